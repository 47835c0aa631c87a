#pragma once

#include "core/util/Result.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>

namespace tav::sim {
class RadioSimulator;
}

namespace tav::gui {

/// What a simulated radio is made of: its memory (radio addresses) and what it says about itself.
struct SimulatedRadioSpec {
    std::array<std::uint8_t, 8192> memory{};
    std::string modelId;
    std::string modelName;
    std::string firmware;
    int lowMHz = 0;
    int highMHz = 0;
    std::uint8_t bandFlags = 0;
    std::uint8_t signalling = 0;
};

/// A simulated radio on a pseudo-terminal, which the program opens like the programming cable's
/// serial port. It answers until it is stopped or destroyed.
class SimulatedRadioPort {
public:
    SimulatedRadioPort();
    ~SimulatedRadioPort();
    SimulatedRadioPort(const SimulatedRadioPort&) = delete;
    SimulatedRadioPort& operator=(const SimulatedRadioPort&) = delete;

    /// Starts the radio; fails when the pseudo-terminal cannot be had.
    Result Start(const SimulatedRadioSpec& decl);
    void Stop();
    /// The device to open, for example /dev/pts/3; empty while none runs.
    std::string DevicePath() const;

private:
    std::unique_ptr<sim::RadioSimulator> simulator_;
};

} // namespace tav::gui
