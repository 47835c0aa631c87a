#include "app/SimulatedRadioPort.h"

#include "RadioSimulator.h"

#include <algorithm>

namespace tav::gui {

SimulatedRadioPort::SimulatedRadioPort() = default;

SimulatedRadioPort::~SimulatedRadioPort() {
    Stop();
}

bool SimulatedRadioPort::Start(const SimulatedRadioSpec& spec, std::string* error) {
    Stop();
    sim::SimulatorConfig config;
    std::copy(spec.memory.begin(), spec.memory.end(), config.memory.begin());
    config.modelId = spec.modelId;
    config.modelName = spec.modelName;
    config.firmware = spec.firmware;
    config.signalling = spec.signalling;
    config.band = sim::SimulatorConfig::BandBytes(spec.lowMHz, spec.highMHz, spec.bandFlags);
    auto simulator = std::make_unique<sim::RadioSimulator>(config);
    if (!simulator->Start(error)) {
        return false;
    }
    simulator_ = std::move(simulator);
    return true;
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
