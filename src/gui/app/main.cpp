// tavprog: the desktop program for reading, editing, saving and writing radio configurations.
#include "gui/app/TavApplication.h"

#include <QApplication>
#include <QTextStream>
#include <clocale>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("K7 Serial"));
    QApplication::setApplicationName(QStringLiteral("TAV Programmer"));
    // Numbers are shown and read in the user's own format.
    std::setlocale(LC_ALL, "");

    const tav::gui::StartOptions options = tav::gui::StartOptions::Parse(QApplication::arguments());
    if (options.showUsage || !options.error.isEmpty()) {
        QTextStream err(stderr);
        if (!options.error.isEmpty()) {
            err << "tavprog: " << options.error << "\n";
        }
        err << tav::gui::StartOptions::Usage();
        return options.error.isEmpty() ? 0 : 2;
    }
    tav::gui::TavApplication program(options);
    if (!program.Start()) {
        return 1;
    }
    return QApplication::exec();
}
