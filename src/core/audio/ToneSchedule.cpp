#include "core/audio/ToneSchedule.h"

namespace tav {
namespace {

/// Notes the steps instead of sounding them.
class ScheduleOutput : public ToneOutput {
public:
    explicit ScheduleOutput(std::vector<ToneStep>& steps) : steps_(steps) {}
    void Beep(int hz, int ms) override { steps_.push_back({hz, ms}); }
    void Wait(int ms) override { steps_.push_back({0, ms}); }

private:
    std::vector<ToneStep>& steps_;
};

} // namespace

std::vector<ToneStep> AlertToneSchedule(const AlertTonePlayerValues& values) {
    std::vector<ToneStep> steps;
    ScheduleOutput output(steps);
    PlayAlertTone(values, output, {});
    return steps;
}

std::vector<ToneStep> AlertToneCycle(const AlertTonePlayerValues& values) {
    AlertTonePlayerValues once = values;
    once.cycles = 1;
    return AlertToneSchedule(once);
}

} // namespace tav
