#pragma once

#include "core/comm/FrameTracer.h"
#include "core/util/Result.h"
#include "sim/SimulatedRadio.h"
#include "sim/SimulatorConfig.h"

#include <atomic>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace tav::sim {

/// A simulated radio on a pseudo-terminal. The program opens `DevicePath()` like any serial
/// port; the radio answers on a thread of its own.
///
/// The simulator keeps a descriptor of the terminal's device side open itself, so that the line
/// stays up between two programs that open and close it. The `Disconnect` fault closes the line
/// for good, as a pulled cable would.
class RadioSimulator {
public:
    /// `tracer` may be null; it sees every request received and every reply sent.
    explicit RadioSimulator(SimulatorConfig config, FrameTracer* tracer = nullptr);
    ~RadioSimulator();
    RadioSimulator(const RadioSimulator&) = delete;
    RadioSimulator& operator=(const RadioSimulator&) = delete;

    /// Language text of a simulator that cannot start.
    static constexpr int kStartFailed = 9421;

    /// Creates the pseudo-terminal and starts answering; the failure names the system's reason.
    Result Start();
    /// Stops answering and closes the line.
    void Stop();

    /// Path of the device the program opens, for example /dev/pts/3.
    const std::string& DevicePath() const { return devicePath_; }
    /// True once the radio has vanished (Disconnect fault).
    bool Disconnected() const { return disconnected_; }

    RadioImage Memory() const;
    std::vector<RequestRecord> Log() const;
    void ClearLog();
    int PasswordAttempts() const;
    std::map<std::uint16_t, std::uint16_t> CommittedTuneValues() const;
    bool TestSwitch(std::uint8_t selector) const;
    /// Bytes skipped as belonging to no request.
    std::size_t SkippedBytes() const { return skipped_; }

private:
    void Serve();
    bool WaitUntil(std::chrono::steady_clock::time_point due);
    bool WriteAll(const std::vector<std::uint8_t>& bytes);
    void CloseLine();

    mutable std::mutex mutex_;
    SimulatedRadio radio_;
    FrameTracer* tracer_;
    int master_ = -1;
    int slave_ = -1;
    int wake_[2] = {-1, -1};
    std::string devicePath_;
    std::thread thread_;
    std::atomic<bool> stop_{false};
    std::atomic<bool> disconnected_{false};
    std::atomic<std::size_t> skipped_{0};
};

} // namespace tav::sim
