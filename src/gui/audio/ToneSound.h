#pragma once

#include "core/audio/ToneSchedule.h"

#include <functional>
#include <utility>
#include <vector>

namespace tav::gui {

/// Where the alert tone editor's sound goes: the computer's sound device in the program, a recorder
/// in the tests. Playing never blocks the window: the steps sound while the window goes on.
class ToneSound {
public:
    enum class Start {
        Playing, ///< the steps are sounding
        NoDevice ///< there is no sound device to play on; nothing sounds
    };

    virtual ~ToneSound() = default;
    /// Starts sounding the steps in order (whatever sounded before stops first). `finished` runs on
    /// the window's thread after the last step was heard, never after Stop.
    virtual Start Play(std::vector<ToneStep> steps, std::function<void()> finished) = 0;
    /// Halts the sound at once.
    virtual void Stop() = 0;
    virtual bool IsPlaying() const = 0;

    /// True the first time only: a missing sound device is told once per run, not at every Play.
    bool FirstNoDeviceNotice() { return !std::exchange(noDeviceTold_, true); }

private:
    bool noDeviceTold_ = false;
};

} // namespace tav::gui
