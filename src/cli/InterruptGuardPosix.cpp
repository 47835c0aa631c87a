#include "cli/InterruptGuard.h"

#include <csignal>

namespace tav::cli {
namespace {

std::atomic<bool> interrupted{false};
static_assert(std::atomic<bool>::is_always_lock_free, "the flag is set from a signal handler");

void OnSignal(int) {
    interrupted.store(true);
}

} // namespace

struct InterruptGuard::Previous {
    struct sigaction onInt {};
    struct sigaction onTerm {};
};

InterruptGuard::InterruptGuard() : previous_(std::make_unique<Previous>()) {
    interrupted.store(false);
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    // No SA_RESTART: a read of the terminal returns at once instead of waiting for a line.
    action.sa_flags = 0;
    ::sigaction(SIGINT, &action, &previous_->onInt);
    ::sigaction(SIGTERM, &action, &previous_->onTerm);
}

InterruptGuard::~InterruptGuard() {
    ::sigaction(SIGINT, &previous_->onInt, nullptr);
    ::sigaction(SIGTERM, &previous_->onTerm, nullptr);
}

const std::atomic<bool>& InterruptGuard::Flag() const {
    return interrupted;
}

} // namespace tav::cli
