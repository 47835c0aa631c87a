#include "cli/EchoOff.h"

#include <termios.h>
#include <unistd.h>

namespace tav::cli {

struct EchoOff::Saved {
    termios mode{};
};

EchoOff::EchoOff() {
    termios mode{};
    if (::tcgetattr(STDIN_FILENO, &mode) != 0) {
        return;
    }
    termios quiet = mode;
    quiet.c_lflag &= ~static_cast<tcflag_t>(ECHO);
    if (::tcsetattr(STDIN_FILENO, TCSANOW, &quiet) == 0) {
        saved_ = std::make_unique<Saved>(Saved{mode});
    }
}

EchoOff::~EchoOff() {
    if (saved_) {
        ::tcsetattr(STDIN_FILENO, TCSANOW, &saved_->mode);
    }
}

} // namespace tav::cli
