#include "cli/InterruptGuard.h"

#include <windows.h>

namespace tav::cli {
namespace {

std::atomic<bool> interrupted{false};

/// Runs on a thread of its own that the console starts; returning TRUE keeps the program alive.
BOOL WINAPI OnConsoleEvent(DWORD event) {
    switch (event) {
    case CTRL_C_EVENT:
    case CTRL_BREAK_EVENT:
    case CTRL_CLOSE_EVENT:
        interrupted.store(true);
        return TRUE;
    default:
        return FALSE;
    }
}

} // namespace

struct InterruptGuard::Previous {};

InterruptGuard::InterruptGuard() : previous_(std::make_unique<Previous>()) {
    interrupted.store(false);
    ::SetConsoleCtrlHandler(OnConsoleEvent, TRUE);
}

InterruptGuard::~InterruptGuard() {
    ::SetConsoleCtrlHandler(OnConsoleEvent, FALSE);
}

const std::atomic<bool>& InterruptGuard::Flag() const {
    return interrupted;
}

} // namespace tav::cli
