#pragma once

#include "core/comm/LinkFrame.h"
#include "sim/RequestParser.h"
#include "sim/SimulatorConfig.h"

#include <cstdint>
#include <map>
#include <span>
#include <vector>

namespace tav::sim {

/// One request as the radio understood it, for tests that check the order of the frames.
struct RequestRecord {
    LinkCommand command = LinkCommand::Unknown;
    std::uint32_t address = 0; ///< memory requests
    std::uint16_t length = 0;  ///< memory requests
    std::uint16_t value = 0;   ///< mode, information item, tuning index or switch selector
    bool answered = false;

    bool operator==(const RequestRecord&) const = default;
};

/// What the radio does with one request.
struct Response {
    std::vector<std::uint8_t> bytes; ///< the reply; empty for none
    bool disconnect = false;         ///< the radio vanishes instead of answering
};

/// The radio's side of the link without any line: its memory, identity, modes, password,
/// tuning values and the faults it plays. Not thread-safe; the simulator serialises access.
class SimulatedRadio {
public:
    explicit SimulatedRadio(SimulatorConfig config);

    Response Handle(const RequestParser::Request& request);

    const RadioImage& memory() const { return config_.memory; }
    const SimulatorConfig& config() const { return config_; }
    const std::vector<RequestRecord>& log() const { return log_; }
    void ClearLog() { log_.clear(); }
    /// Tuning values made permanent by CommitTuning.
    const std::map<std::uint16_t, std::uint16_t>& committedTuneValues() const { return config_.tuneValues; }
    int passwordAttempts() const { return passwordAttempts_; }
    std::uint16_t mode() const { return mode_; }
    bool testSwitch(std::uint8_t selector) const;

private:
    using Bytes = std::vector<std::uint8_t>;

    const Fault* ActiveFault(LinkCommand command, std::uint32_t address);
    /// The reply to a request, by one handler per command; empty when the radio stays silent.
    Bytes Serve(LinkCommand command, const RequestParser::Request& request);
    Bytes Greet();
    Bytes SetMode(std::span<const std::uint8_t> request);
    Bytes SendPassword(std::span<const std::uint8_t> request);
    Bytes ReadInfo(std::span<const std::uint8_t> request);
    Bytes ReadMemory(std::span<const std::uint8_t> request);
    Bytes WriteMemory(std::span<const std::uint8_t> request);
    Bytes ReadTuneValue(std::span<const std::uint8_t> request);
    Bytes WriteTuneValue(std::span<const std::uint8_t> request);
    Bytes CommitTuning(std::span<const std::uint8_t> request);
    Bytes DiscardTuning(std::span<const std::uint8_t> request);
    Bytes TestSwitch(std::span<const std::uint8_t> request);
    Bytes Ack(std::uint8_t status, std::uint8_t echo1, std::uint8_t echo2) const;
    bool MemoryOpen() const;
    bool InMode(LinkMode mode) const;

    SimulatorConfig config_;
    std::vector<int> faultCounters_;
    std::vector<RequestRecord> log_;
    bool handshaken_ = false;
    std::uint16_t mode_ = 0;
    std::uint16_t pendingMode_ = 0;
    bool unlocked_ = false;
    int passwordAttempts_ = 0;
    std::map<std::uint16_t, std::uint16_t> pendingTune_;
    std::map<std::uint8_t, bool> switches_;
};

} // namespace tav::sim
