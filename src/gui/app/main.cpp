// Placeholder entry point while the desktop program is being assembled.
#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("TAV Programmer"));
    label.show();
    return app.exec();
}
