#include "report/OffscreenGuiApp.h"

#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>

namespace tav::report {

namespace {

/// Qt's own notes (a missing runtime folder, font fall-backs) are not the command's messages.
void QuietMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        std::fprintf(stderr, "tavctl: %s\n", message.toLocal8Bit().constData());
    }
}

int g_argc = 1;
char g_name[] = "tavctl";
char* g_argv[] = {g_name, nullptr};
} // namespace

OffscreenGuiApp::OffscreenGuiApp() {
    if (QGuiApplication::instance() != nullptr) {
        return;
    }
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    qInstallMessageHandler(QuietMessages);
    app_ = std::make_unique<QGuiApplication>(g_argc, g_argv);
}

OffscreenGuiApp::~OffscreenGuiApp() = default;

} // namespace tav::report
