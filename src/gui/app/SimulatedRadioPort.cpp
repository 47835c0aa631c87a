#include "gui/app/SimulatedRadioPort.h"

#include "sim/RadioSimulator.h"

#include <algorithm>

namespace tav::gui {

SimulatedRadioPort::SimulatedRadioPort() = default;

SimulatedRadioPort::~SimulatedRadioPort() {
    Stop();
}

Result SimulatedRadioPort::Start(const SimulatedRadioSpec& decl) {
    Stop();
    sim::SimulatorConfig config;
    std::copy(decl.memory.begin(), decl.memory.end(), config.memory.begin());
    config.modelId = decl.modelId;
    config.modelName = decl.modelName;
    config.firmware = decl.firmware;
    config.signalling = decl.signalling;
    config.band = sim::SimulatorConfig::BandBytes(decl.lowMHz, decl.highMHz, decl.bandFlags);
    auto simulator = std::make_unique<sim::RadioSimulator>(config);
    if (Result started = simulator->Start(); !started) {
        return started;
    }
    simulator_ = std::move(simulator);
    return Result::Ok();
}

void SimulatedRadioPort::Stop() {
    if (simulator_) {
        simulator_->Stop();
        simulator_.reset();
    }
}

std::string SimulatedRadioPort::DevicePath() const {
    return simulator_ ? simulator_->DevicePath() : std::string();
}

} // namespace tav::gui
