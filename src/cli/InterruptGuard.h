#pragma once

#include <atomic>
#include <memory>

namespace tav::cli {

/// While it lives, SIGINT and SIGTERM (on Windows: Ctrl+C, Ctrl+Break, a closed console) do not
/// end the program: they set a flag that the radio link
/// looks at before each exchange, so that a transfer stops after the exchange under way, closes
/// its port (lock and exclusive mode released) and the command ends by itself. A blocking read of
/// the terminal (a password being typed) is broken off too. The previous handlers come back when
/// the guard goes. One guard at a time.
class InterruptGuard {
public:
    InterruptGuard();
    ~InterruptGuard();
    InterruptGuard(const InterruptGuard&) = delete;
    InterruptGuard& operator=(const InterruptGuard&) = delete;

    /// Set once a signal arrived.
    const std::atomic<bool>& Flag() const;
    bool Interrupted() const { return Flag().load(); }

private:
    struct Previous; ///< the handlers to put back
    std::unique_ptr<Previous> previous_;
};

} // namespace tav::cli
