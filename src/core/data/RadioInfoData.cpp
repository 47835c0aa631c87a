#include "core/data/RadioInfoData.h"

#include "core/data/FieldCodec.h"
#include "core/data/ImageMap.h"
#include "core/util/RangeText.h"

#include <algorithm>
#include <cstdio>

namespace tav {

static_assert(RadioInfoData::kSize == ImageMap::kRadioInfoSize);
static_assert(ImageMap::kRadioInfo + RadioInfoData::kProgrammingDateOffset == ImageMap::kProgrammingDate);
static_assert(RadioInfoData::kProgrammingDateSize == ImageMap::kProgrammingDateSize);

namespace {

const SystemWallClock kSystemClock;

std::uint32_t ReadLe32(std::span<const std::uint8_t> b, std::size_t o) {
    return std::uint32_t{b[o]} | (std::uint32_t{b[o + 1]} << 8) | (std::uint32_t{b[o + 2]} << 16) |
           (std::uint32_t{b[o + 3]} << 24);
}

void WriteLe32(std::span<std::uint8_t> b, std::size_t o, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) {
        b[o + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(v >> (8 * i));
    }
}

} // namespace

RadioInfoData::RadioInfoData() : FeatureData(kSize), clock_(&kSystemClock) {}

void RadioInfoData::SetDefaults(const DataContext& context) {
    SetDefaults(context, *clock_);
}

void RadioInfoData::SetDefaults(const DataContext& context, const WallClock& clock) {
    auto bytes = Bytes();
    std::fill(bytes.begin(), bytes.end(), 0xFF);
    SetModelName(context.modelName);
    SetRangeCode(context.rangeFlags);
    SetSignalType(static_cast<std::uint8_t>(context.signalType));
    SetProgrammingDate(clock.Now());
    SetEdgesMHz(context.rangeLowMHz, context.rangeHighMHz);
    auto serial = bytes.subspan(kSerialNumberOffset, kSerialNumberSize);
    std::fill(serial.begin(), serial.end(), static_cast<std::uint8_t>(kDefaultSerialChar));
}

void RadioInfoData::LoadFromImage(const Image& image) {
    CopyFromImage(image, ImageMap::kRadioInfo, Bytes());
}

void RadioInfoData::StoreToImage(Image& image) const {
    CopyToImage(image, ImageMap::kRadioInfo, Bytes());
}

const BlockFieldTable<RadioInfoUi>& RadioInfoData::EditorFields() {
    using C = BlockCodec;
    using U = RadioInfoUi;
    // Labels carry the number before their edit's.
    const auto row = [](const char* key, int editId, const char* fallback, C codec, std::string U::*member) {
        return BlockRow<U>(key, editId - 1, fallback, codec, editId, Member(member)).ShownOnly();
    };
    static const BlockFieldTable<U> table = {
        row("model_name", kModelNameEditId, "Model Name", C::FileHeader, &U::modelName),
        row("frequency_range", kFrequencyRangeEditId, "Frequency Range [MHz]", C::FileHeader,
            &U::frequencyRange),
        row("serial_number", kSerialNumberEditId, "Serial Number", C::ZeroEndedText, &U::serialNumber)
            .At({kSerialNumberOffset, kSerialNumberSize}),
        row("firmware_version", kFirmwareVersionEditId, "Firmware Version", C::FileHeader,
            &U::firmwareVersion),
        row("signaling_type", kSignalingTypeEditId, "Signaling Type", C::FileHeader, &U::signalingType),
        row("last_programmed", kLastProgrammedEditId, "Last Programmed Date", C::DateTime, &U::lastProgrammed)
            .At({kProgrammingDateOffset, kShownDateSize}),
    };
    return table;
}

namespace {

/// A value the data file's header holds, as the view shows it.
std::string HeaderText(const BlockFieldInfo& field, const TextLookup& texts, const DataContext& context) {
    switch (field.controlId) {
    case RadioInfoData::kModelNameEditId:
        return context.modelName;
    case RadioInfoData::kFrequencyRangeEditId:
        return FormatRange(context.rangeLowMHz, context.rangeHighMHz);
    case RadioInfoData::kFirmwareVersionEditId:
        return "V" + context.firmwareVersion.substr(0, 7);
    case RadioInfoData::kSignalingTypeEditId:
        return ListText(texts, RadioInfoData::kSignalingTypeListId, context.signalType);
    default:
        return {};
    }
}

} // namespace

void RadioInfoData::LoadUi(RadioInfoUi& ui, const TextLookup& texts, const DataContext& context) const {
    for (const BlockField<RadioInfoUi>& field : EditorFields()) {
        field.slot.set(ui, field.codec == BlockCodec::FileHeader
                               ? BlockValue(HeaderText(field, texts, context))
                               : DecodeBlockField(field, Bytes(), texts));
    }
}

ProgrammingDate RadioInfoData::ProgrammingDateBytes() const {
    ProgrammingDate date{};
    std::copy_n(Bytes().begin() + kProgrammingDateOffset, kProgrammingDateSize, date.begin());
    return date;
}

void RadioInfoData::SetProgrammingDateBytes(const ProgrammingDate& date) {
    std::copy(date.begin(), date.end(), Bytes().begin() + kProgrammingDateOffset);
}

LocalDateTime RadioInfoData::GetProgrammingDate() const {
    return DecodeProgrammingDate(ProgrammingDateBytes());
}

void RadioInfoData::SetProgrammingDate(const LocalDateTime& time) {
    LocalDateTime safe = time;
    // Keep every part within its byte so that a wild clock cannot wrap into another value.
    safe.year = std::clamp(safe.year, 0, 25599);
    safe.month = std::clamp(safe.month, 0, 255);
    safe.day = std::clamp(safe.day, 0, 255);
    safe.hour = std::clamp(safe.hour, 0, 255);
    safe.minute = std::clamp(safe.minute, 0, 255);
    safe.second = std::clamp(safe.second, 0, 255);
    SetProgrammingDateBytes(EncodeProgrammingDate(safe));
}

std::string RadioInfoData::ModelName() const {
    return ReadZeroEndedText(Bytes().subspan(kModelNameOffset, kModelNameSize));
}

void RadioInfoData::SetModelName(std::string_view name) {
    WritePaddedText(Bytes().subspan(kModelNameOffset, kModelNameSize), name, 0);
}

BcdFreq RadioInfoData::LowerEdge() const {
    return ReadLe32(Bytes(), kLowerEdgeOffset);
}
BcdFreq RadioInfoData::UpperEdge() const {
    return ReadLe32(Bytes(), kUpperEdgeOffset);
}
void RadioInfoData::SetLowerEdge(BcdFreq edge) {
    WriteLe32(Bytes(), kLowerEdgeOffset, edge);
}
void RadioInfoData::SetUpperEdge(BcdFreq edge) {
    WriteLe32(Bytes(), kUpperEdgeOffset, edge);
}

void RadioInfoData::SetEdgesMHz(std::int64_t lowMHz, std::int64_t highMHz) {
    SetLowerEdge(FreqToBcd(MHzToCount(lowMHz)));
    SetUpperEdge(FreqToBcd(MHzToCount(highMHz)));
}

std::string RadioInfoData::ModelId() const {
    return ReadZeroEndedText(Bytes().subspan(kModelIdOffset, kModelIdSize));
}

void RadioInfoData::SetModelId(std::string_view id) {
    WritePaddedText(Bytes().subspan(kModelIdOffset, kModelIdSize), id, 0);
}

std::string RadioInfoData::SerialNumber() const {
    return ReadZeroEndedText(Bytes().subspan(kSerialNumberOffset, kSerialNumberSize));
}

void RadioInfoData::SetSerialNumber(std::string_view serial) {
    WritePaddedText(Bytes().subspan(kSerialNumberOffset, kSerialNumberSize), serial, 0);
}

std::string FormatLastProgrammed(const ProgrammingDate& b) {
    const int second = b[0] < 60 ? b[0] : 59;
    const int minute = b[1] < 60 ? b[1] : 59;
    const int hour = b[2] < 24 ? b[2] : 0;
    const int day = b[3] < 32 ? b[3] : 31;
    const int month = b[4] < 13 ? b[4] : 12;
    const int year = b[5] < 38 ? 2000 + b[5] : 2037;
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", year, month, day, hour, minute, second);
    return text;
}

} // namespace tav
