#include "core/data/AlertToneData.h"

#include "core/lang/TextLookup.h"

#include <algorithm>

namespace tav {

namespace L = AlertToneLayout;
namespace C = AlertToneControls;

namespace {

struct DefaultPattern {
    std::uint8_t cycle;
    std::uint8_t beepSegments;
    std::array<std::uint8_t, L::kSegmentCount> frequency;
    std::array<std::uint8_t, L::kSegmentCount> duration;
};

// The patterns of the first five alert tones of a new document, by how many existed before.
constexpr std::array<DefaultPattern, 5> kDefaultPatterns{{
    {1, 3, {210, 1, 210, 1, 210, 1, 210, 1}, {10, 10, 10, 10, 10, 10, 10, 10}},
    {3, 1, {80, 0, 80, 0, 80, 0, 80, 0}, {4, 4, 4, 4, 4, 4, 4, 4}},
    {3, 1, {170, 90, 170, 90, 170, 90, 170, 1}, {3, 3, 3, 3, 3, 3, 3, 0}},
    {3, 1, {64, 94, 134, 163, 192, 1, 1, 1}, {6, 6, 6, 6, 6, 0, 0, 0}},
    {3, 1, {150, 70, 150, 70, 150, 70, 50, 1}, {20, 20, 20, 20, 20, 20, 0, 0}},
}};

/// More alert tones than the radio holds count as none.
constexpr std::size_t kMaxCountForDefaults = ImageMap::kAlertToneCapacity;

bool FitsByte(int value) {
    return value >= 0 && value <= 0xFF;
}

} // namespace

void AlertToneData::SetDefaults(std::size_t existingCount) {
    auto bytes = Bytes();
    std::fill(bytes.begin(), bytes.end(), std::uint8_t{0});
    if (existingCount > kMaxCountForDefaults) {
        existingCount = 0;
    }
    if (existingCount >= kDefaultPatterns.size()) {
        return; // a silent tone: all zero
    }
    const DefaultPattern& pattern = kDefaultPatterns[existingCount];
    bytes[L::kCycle] = pattern.cycle;
    bytes[L::kBeepSegments] = pattern.beepSegments;
    for (std::size_t k = 0; k < L::kSegmentCount; ++k) {
        bytes[L::FrequencyOffset(k)] = pattern.frequency[k];
        bytes[L::DurationOffset(k)] = pattern.duration[k];
    }
}

void AlertToneData::LoadUi(AlertToneUi& ui, const TextLookup& texts) const {
    const auto bytes = Bytes();
    ui.cycle = texts.ListValueToText(C::kCycle, bytes[L::kCycle]);
    ui.beepSegments = bytes[L::kBeepSegments];
    for (std::size_t k = 0; k < L::kSegmentCount; ++k) {
        const std::uint8_t frequency = bytes[L::FrequencyOffset(k)];
        ui.frequency[k] = frequency < L::kLowestTone ? 0 : frequency;
        ui.duration[k] = bytes[L::DurationOffset(k)];
    }
}

void AlertToneData::StoreUi(const AlertToneUi& ui, const TextLookup& texts) {
    auto bytes = Bytes();
    const int cycle = texts.ListTextToValue(C::kCycle, ui.cycle);
    if (FitsByte(cycle)) {
        bytes[L::kCycle] = static_cast<std::uint8_t>(cycle);
    }
    if (FitsByte(ui.beepSegments)) {
        bytes[L::kBeepSegments] = static_cast<std::uint8_t>(ui.beepSegments);
    }
    for (std::size_t k = 0; k < L::kSegmentCount; ++k) {
        const int frequency = ui.frequency[k] == 0 ? L::kNoToneStored : ui.frequency[k];
        if (FitsByte(frequency)) {
            bytes[L::FrequencyOffset(k)] = static_cast<std::uint8_t>(frequency);
        }
        if (FitsByte(ui.duration[k])) {
            bytes[L::DurationOffset(k)] = static_cast<std::uint8_t>(ui.duration[k]);
        }
    }
}

void LoadAlertTones(const Image& image, RecordList<AlertToneData>& list, ObjectIdCounter& ids) {
    list.Clear();
    for (std::size_t i = 0; i < ImageMap::kAlertToneCapacity; ++i) {
        const std::size_t address = ImageMap::kAlertTones + i * ImageMap::kAlertToneSize;
        if (i > 0 && image[address + L::kLoadMarker] == 0xFF) {
            break;
        }
        auto tone = std::make_unique<AlertToneData>(ids.Next());
        CopyFromImage(image, address, tone->Bytes());
        list.Append(std::move(tone));
    }
}

void StoreAlertTones(const RecordList<AlertToneData>& list, Image& image) {
    const std::size_t count = std::min(list.Count(), ImageMap::kAlertToneCapacity);
    for (std::size_t i = 0; i < count; ++i) {
        CopyToImage(image, ImageMap::kAlertTones + i * ImageMap::kAlertToneSize, list.At(i).Bytes());
    }
}

std::unique_ptr<AlertToneData> MakeDefaultAlertTone(ObjectIdCounter& ids, std::size_t position,
                                                    const DataContext& /*context*/) {
    auto tone = std::make_unique<AlertToneData>(ids.Next());
    tone->SetDefaults(position);
    return tone;
}

} // namespace tav
