#include "core/data/DataFileHeader.h"

#include "core/util/RangeText.h"

#include <algorithm>

namespace tav {
namespace {

void PutText(DataFileHeader::Bytes& b, std::size_t offset, const std::string& text) {
    const std::size_t n = std::min(text.size(), DataFileHeader::kTextFieldSize);
    std::copy_n(text.begin(), n, b.begin() + static_cast<std::ptrdiff_t>(offset));
}

std::string GetText(const DataFileHeader::Bytes& b, std::size_t offset) {
    std::string text;
    for (std::size_t i = 0; i < DataFileHeader::kTextFieldSize && b[offset + i] != 0; ++i) {
        text.push_back(static_cast<char>(b[offset + i]));
    }
    return text;
}

void PutLe16(DataFileHeader::Bytes& b, std::size_t o, std::uint16_t v) {
    b[o] = static_cast<std::uint8_t>(v);
    b[o + 1] = static_cast<std::uint8_t>(v >> 8);
}

void PutLe32(DataFileHeader::Bytes& b, std::size_t o, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) {
        b[o + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(v >> (8 * i));
    }
}

std::uint32_t GetLe32(const DataFileHeader::Bytes& b, std::size_t o) {
    return std::uint32_t{b[o]} | (std::uint32_t{b[o + 1]} << 8) | (std::uint32_t{b[o + 2]} << 16) |
           (std::uint32_t{b[o + 3]} << 24);
}

} // namespace

DataFileHeader::Bytes DataFileHeader::ToBytes() const {
    Bytes b{};
    PutLe32(b, kTagOffset, kTag);
    PutLe32(b, kLengthOffset, static_cast<std::uint32_t>(kSize));
    PutText(b, kModelIdOffset, modelId);
    PutText(b, kModelNameOffset, modelName);
    PutLe16(b, kLowMHzOffset, lowMHz);
    PutLe16(b, kHighMHzOffset, highMHz);
    PutText(b, kFirmwareOffset, firmware);
    PutText(b, kDataVersionOffset, dataVersion);
    b[kRangeFlagsOffset] = rangeFlags;
    b[kSignalTypeOffset] = signalType;
    return b;
}

DataFileHeader DataFileHeader::FromBytes(const Bytes& b) {
    DataFileHeader h;
    h.modelId = GetText(b, kModelIdOffset);
    h.modelName = GetText(b, kModelNameOffset);
    h.lowMHz = static_cast<std::uint16_t>(b[kLowMHzOffset] | (b[kLowMHzOffset + 1] << 8));
    h.highMHz = static_cast<std::uint16_t>(b[kHighMHzOffset] | (b[kHighMHzOffset + 1] << 8));
    h.firmware = GetText(b, kFirmwareOffset);
    h.dataVersion = GetText(b, kDataVersionOffset);
    h.rangeFlags = b[kRangeFlagsOffset];
    h.signalType = b[kSignalTypeOffset];
    return h;
}

bool DataFileHeader::HasTag(const Bytes& b) {
    return GetLe32(b, kTagOffset) == kTag;
}

std::string DataFileHeader::RangeText() const {
    return FormatRange(lowMHz, highMHz);
}

int CompareFirmwarePrefix(const std::string& firmware, const std::string& reference) {
    for (std::size_t i = 0; i < 4; ++i) {
        const auto a = static_cast<unsigned char>(i < firmware.size() ? firmware[i] : '\0');
        const auto b = static_cast<unsigned char>(i < reference.size() ? reference[i] : '\0');
        if (a != b) {
            return a < b ? -1 : 1;
        }
        if (a == '\0') {
            break;
        }
    }
    return 0;
}

} // namespace tav
