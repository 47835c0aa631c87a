#pragma once

#include "core/data/DataContext.h"
#include "core/data/FeatureRecord.h"
#include "core/data/Image.h"
#include "core/data/ImageMap.h"
#include "core/data/RecordFields.h"
#include "core/data/RecordList.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace tav {

class TextLookup;

/// Byte layout of one 18-byte alert tone record: a cycle count, the beep segment number (the pause
/// between cycles) and eight tone segments of a frequency byte and a duration byte each.
namespace AlertToneLayout {
inline constexpr std::size_t kCycle = 0;
inline constexpr std::size_t kBeepSegments = 1;
inline constexpr std::size_t kSegmentCount = 8;
inline constexpr std::size_t kFirstFrequency = 2; ///< segment k at 2 + 2k
inline constexpr std::size_t kFirstDuration = 3;  ///< segment k at 3 + 2k
/// The byte whose 0xFF marks an empty slot when loading (the first segment's duration).
inline constexpr std::size_t kLoadMarker = kFirstDuration;
/// Frequency raw values below this mean "no tone".
inline constexpr std::uint8_t kLowestTone = 40;
/// What a "no tone" frequency is written as when it comes from the editor.
inline constexpr std::uint8_t kNoToneStored = 1;

constexpr std::size_t FrequencyOffset(std::size_t segment) {
    return kFirstFrequency + 2 * segment;
}
constexpr std::size_t DurationOffset(std::size_t segment) {
    return kFirstDuration + 2 * segment;
}
} // namespace AlertToneLayout

/// Control ids of the alert tone editor; they are also the ids of their language lists and ranges.
namespace AlertToneControls {
inline constexpr int kView = 5002;
inline constexpr int kCycle = 5003;          ///< list: repetitions, 0 = continuous
inline constexpr int kFirstFrequency = 5004; ///< numeric range edits with Off, 5004-5011
inline constexpr int kBeepSegments = 5018;   ///< numeric range edit
inline constexpr int kFirstDuration = 5019;  ///< numeric range edits, 5019-5026
inline constexpr int kOffMessage = 1174;     ///< message text shown for "no tone"
inline constexpr int kCycleLabel = 5060;
inline constexpr int kBeepSegmentsLabel = 5061;
inline constexpr int kFirstSegmentLabel = 5064; ///< the segment rows' labels, 5064-5071
} // namespace AlertToneControls

/// What the alert tone editor shows: the cycle list text and the raw values of the edits.
struct AlertToneUi {
    std::string cycle;
    int beepSegments = 0;
    std::array<int, AlertToneLayout::kSegmentCount> frequency{}; ///< raw; 0 = no tone
    std::array<int, AlertToneLayout::kSegmentCount> duration{};  ///< raw; 0 = segment skipped
};

/// One alert tone: a melody of up to eight segments that the radio plays, for example when a
/// two-tone decode recognises a call. Two-tone decodes refer to it by its 1-based position.
class AlertToneData : public FeatureRecord {
public:
    explicit AlertToneData(ObjectId id) : FeatureRecord(ImageMap::kAlertToneSize, id) {}

    /// The defaults of a new alert tone depend on how many exist when it is made: the first five
    /// carry five different patterns, any later one is silent.
    void SetDefaults(std::size_t existingCount);

    /// The fields the alert tone editor shows, the compare and the report name: the cycle, the
    /// pause, then each segment's frequency and duration.
    static const RecordFieldTable<AlertToneData, AlertToneUi>& EditorFields();

    void LoadUi(AlertToneUi& ui, const TextLookup& texts) const;
    /// Writes the transfer structure back; a cycle text that names no list item, and values that do
    /// not fit a byte, leave the byte as it was.
    void StoreUi(const AlertToneUi& ui, const TextLookup& texts);
};

/// Rebuilds the list from the image: the first slot always, then each next slot whose first
/// segment duration is not 0xFF, at most eight.
void LoadAlertTones(const Image& image, RecordList<AlertToneData>& list, ObjectIdCounter& ids);
/// Writes the list in order from the start of the alert tone area (at most eight records).
void StoreAlertTones(const RecordList<AlertToneData>& list, Image& image);
/// A new alert tone with the defaults for `position` alert tones already existing.
std::unique_ptr<AlertToneData> MakeDefaultAlertTone(ObjectIdCounter& ids, std::size_t position,
                                                    const DataContext& context);

} // namespace tav
