#pragma once

#include <memory>

namespace tav::cli {

/// Turns the echo of the terminal (the console on Windows) on standard input off for as long as
/// it lives, for typing a password. Does nothing when the input is no terminal.
class EchoOff {
public:
    EchoOff();
    ~EchoOff();
    EchoOff(const EchoOff&) = delete;
    EchoOff& operator=(const EchoOff&) = delete;

private:
    struct Saved; ///< the terminal's mode before
    std::unique_ptr<Saved> saved_;
};

} // namespace tav::cli
