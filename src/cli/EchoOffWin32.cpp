#include "cli/EchoOff.h"

#include <windows.h>

namespace tav::cli {

struct EchoOff::Saved {
    DWORD mode = 0;
};

EchoOff::EchoOff() {
    const HANDLE input = ::GetStdHandle(STD_INPUT_HANDLE);
    DWORD mode = 0;
    if (input == INVALID_HANDLE_VALUE || !::GetConsoleMode(input, &mode)) {
        return;
    }
    if (::SetConsoleMode(input, mode & ~static_cast<DWORD>(ENABLE_ECHO_INPUT))) {
        saved_ = std::make_unique<Saved>(Saved{mode});
    }
}

EchoOff::~EchoOff() {
    if (saved_) {
        ::SetConsoleMode(::GetStdHandle(STD_INPUT_HANDLE), saved_->mode);
    }
}

} // namespace tav::cli
