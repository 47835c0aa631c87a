// tavprog: the desktop program for reading, editing, saving and writing radio configurations.
#include "core/app/Release.h"
#include "gui/app/TavApplication.h"

#include <QApplication>
#include <QIcon>
#include <QTextStream>
#include <clocale>
#include <cstdio>
#include <string_view>

int main(int argc, char** argv) {
    // Answered before any window system is needed, so that it works without a display.
    for (int i = 1; i < argc; ++i) {
        if (std::string_view(argv[i]) == "--version") {
            std::printf("tavprog %s\n", tav::kReleaseVersion);
            return 0;
        }
    }
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("K7 Serial"));
    QApplication::setApplicationName(QStringLiteral("TAV Programmer"));
    QApplication::setApplicationVersion(QString::fromLatin1(tav::kReleaseVersion));
    // The installed desktop entry and icon carry this name; the desktop ties the window to them.
    const QString desktopId = QStringLiteral("org.tavprogrammer.TavProgrammer");
    QGuiApplication::setDesktopFileName(desktopId);
    QIcon builtIn;
    for (const int size : {16, 32, 48, 256}) {
        builtIn.addFile(QStringLiteral(":/icons/tavprog-%1.png").arg(size));
    }
    QApplication::setWindowIcon(QIcon::fromTheme(desktopId, builtIn));
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
