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

namespace {

/// A segment's frequency in tens of hertz. Raw values below the lowest tone read as 0, Off; Off is
/// written back as 1, as the radio's own tones have it.
FieldRule<AlertToneData> FrequencyRule(std::size_t segment) {
    const std::size_t offset = L::FrequencyOffset(segment);
    return {{{offset}},
            [offset](const AlertToneData& tone, const FieldContext&) {
                const std::uint8_t raw = tone.Bytes()[offset];
                return RecordValue(raw < L::kLowestTone ? 0 : static_cast<int>(raw));
            },
            [offset](AlertToneData& tone, const RecordValue& value, const TextLookup&) {
                const int raw = std::get<int>(value) == 0 ? L::kNoToneStored : std::get<int>(value);
                if (FitsByte(raw)) {
                    tone.Bytes()[offset] = static_cast<std::uint8_t>(raw);
                }
            },
            [](const RecordValue& value) {
                const int raw = std::get<int>(value);
                return raw == 0 ? std::string("Off") : std::to_string(raw * 10) + " Hz";
            }};
}

} // namespace

const RecordFieldTable<AlertToneData, AlertToneUi>& AlertToneData::EditorFields() {
    using A = AlertToneUi;
    using Row = RecordRow<AlertToneData, A>;
    using F = FieldControl;
    static const RecordFieldTable<AlertToneData, A> table = [] {
        static const char* const kOrdinals[L::kSegmentCount] = {"1st", "2nd", "3rd", "4th",
                                                                "5th", "6th", "7th", "8th"};
        RecordFieldTable<AlertToneData, A> rows = {
            Row("cycle", F::ListText, C::kCycle, ListRule<AlertToneData>({L::kCycle}, C::kCycle),
                FieldMember(&A::cycle))
                .Label(C::kCycleLabel, "Cycle")
                .Compared(0, "Cycle"),
            Row("beep_segments", F::RangeNumber, C::kBeepSegments,
                NumberRule<AlertToneData>({L::kBeepSegments}), FieldMember(&A::beepSegments))
                .Label(C::kBeepSegmentsLabel, "Beep Segment Num")
                .Compared(0, "Beep Segments"),
        };
        for (std::size_t k = 0; k < L::kSegmentCount; ++k) {
            const int id = static_cast<int>(k);
            const std::string n = std::to_string(k + 1);
            const std::string segment = std::string(kOrdinals[k]) + " Tone";
            rows.push_back(Row("frequency_" + n, F::RangeNumberOff, C::kFirstFrequency + id, FrequencyRule(k),
                               FieldElement(&A::frequency, k))
                               .Label(C::kFirstSegmentLabel + id, segment)
                               .Compared(0, "Frequency " + n));
            rows.push_back(Row("duration_" + n, F::RangeNumber, C::kFirstDuration + id,
                               NumberRule<AlertToneData>({L::DurationOffset(k)}, 10, " ms"),
                               FieldElement(&A::duration, k))
                               .Label(C::kFirstSegmentLabel + id, segment)
                               .Compared(0, "Duration " + n));
        }
        return rows;
    }();
    return table;
}

void AlertToneData::LoadUi(AlertToneUi& ui, const TextLookup& texts) const {
    LoadRecordFields(EditorFields(), *this, ui, {texts});
}

void AlertToneData::StoreUi(const AlertToneUi& ui, const TextLookup& texts) {
    StoreRecordFields(EditorFields(), ui, *this, texts);
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
