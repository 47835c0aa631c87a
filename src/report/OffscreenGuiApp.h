#pragma once

#include <memory>

class QGuiApplication;

namespace tav::report {

/// Lays out text for a program without windows (tavctl): makes a QGuiApplication when there is
/// none, on the offscreen platform unless QT_QPA_PLATFORM names another, so no display is needed.
class OffscreenGuiApp {
public:
    OffscreenGuiApp();
    ~OffscreenGuiApp();
    OffscreenGuiApp(const OffscreenGuiApp&) = delete;
    OffscreenGuiApp& operator=(const OffscreenGuiApp&) = delete;

private:
    std::unique_ptr<QGuiApplication> app_;
};

} // namespace tav::report
