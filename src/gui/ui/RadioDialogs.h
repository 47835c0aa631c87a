#pragma once

#include "core/app/FreqRangeRecord.h"
#include "core/data/Image.h"

#include <optional>
#include <string>

class QWidget;

namespace tav::gui {

/// What a completed read from the radio hands to the main window.
struct RadioReadResult {
    Image image = BlankImage();
    FreqRangeRecord band{}; ///< the radio's frequency band, for the new-range offer
    std::string modelId;
    std::string modelName;
    std::string firmware;
    int signalType = 0;
};

/// The radio commands' dialogs: the communication dialog of a read or a write (with its port
/// search, identity checks, password and firmware note) and the Communication Port dialog.
/// The main window asks through this, so its tests can put a double in place.
class RadioDialogs {
public:
    virtual ~RadioDialogs() = default;
    /// Runs a full read; nothing when it failed or was cancelled (the dialog told the user why).
    virtual std::optional<RadioReadResult> ReadFromRadio(QWidget* parent) = 0;
    /// Writes `image`; on success the programming date was stamped into it and the radio's band
    /// is returned.
    virtual std::optional<FreqRangeRecord> WriteToRadio(QWidget* parent, Image& image) = 0;
    /// The Communication Port dialog; true when a new port was chosen (the settings hold it).
    virtual bool ChoosePort(QWidget* parent) = 0;
};

} // namespace tav::gui
