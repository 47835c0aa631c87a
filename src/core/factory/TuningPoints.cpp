#include "core/factory/TuningPoints.h"

#include "core/util/NumberText.h"

#include <algorithm>
#include <array>
#include <string>

namespace tav {

namespace {

struct PointEntry {
    std::uint16_t code;
    std::uint16_t offset;
};

// Point code -> byte offset in the tuning block, searched in this order. Codes 0x8387 and 0x838A
// share their offsets with 0x830D and 0x830E.
constexpr std::array<PointEntry, 149> kPoints = {{
    {0x8002, 0},   {0x8012, 2},   {0x8020, 4},   {0x8021, 6},   {0x8022, 8},   {0x8023, 10},  {0x8024, 12},
    {0x8030, 14},  {0x8031, 16},  {0x8032, 18},  {0x8033, 20},  {0x8034, 22},  {0x8040, 24},  {0x8041, 26},
    {0x8042, 28},  {0x8043, 30},  {0x8044, 32},  {0x8050, 34},  {0x8052, 36},  {0x8054, 38},  {0x8057, 40},
    {0x805A, 42},  {0x805C, 44},  {0x805E, 46},  {0x8060, 48},  {0x8061, 50},  {0x8062, 52},  {0x8063, 54},
    {0x8064, 56},  {0x8067, 58},  {0x806A, 60},  {0x806B, 62},  {0x806C, 64},  {0x806D, 66},  {0x806E, 68},
    {0x8070, 70},  {0x8071, 72},  {0x8072, 74},  {0x8073, 76},  {0x8074, 78},  {0x8077, 80},  {0x807A, 82},
    {0x807B, 84},  {0x807C, 86},  {0x807D, 88},  {0x807E, 90},  {0x8080, 92},  {0x8081, 94},  {0x8082, 96},
    {0x8083, 98},  {0x8084, 100}, {0x8087, 102}, {0x808A, 104}, {0x808B, 106}, {0x808C, 108}, {0x808D, 110},
    {0x808E, 112}, {0x8090, 114}, {0x8091, 116}, {0x8092, 118}, {0x8093, 120}, {0x8094, 122}, {0x8097, 124},
    {0x809A, 126}, {0x809B, 128}, {0x809C, 130}, {0x809D, 132}, {0x809E, 134}, {0x80A2, 136}, {0x80B2, 142},
    {0x80C2, 148}, {0x80D2, 154}, {0x80E2, 156}, {0x80F2, 158}, {0x8102, 160}, {0x8112, 162}, {0x8212, 194},
    {0x8300, 210}, {0x8301, 212}, {0x8302, 214}, {0x8303, 216}, {0x8304, 218}, {0x8307, 220}, {0x830A, 222},
    {0x830B, 224}, {0x830C, 226}, {0x830D, 230}, {0x830E, 232}, {0x8340, 250}, {0x8341, 252}, {0x8342, 254},
    {0x8343, 256}, {0x8344, 258}, {0x8347, 260}, {0x834A, 262}, {0x834B, 264}, {0x834C, 266}, {0x834D, 268},
    {0x834E, 270}, {0x8380, 290}, {0x8381, 292}, {0x8382, 294}, {0x8383, 296}, {0x8384, 298}, {0x8387, 230},
    {0x838A, 232}, {0x838B, 234}, {0x838C, 236}, {0x838D, 238}, {0x838E, 240}, {0x8390, 312}, {0x8391, 314},
    {0x8392, 316}, {0x8393, 318}, {0x8394, 320}, {0x8397, 322}, {0x839A, 324}, {0x839B, 326}, {0x839C, 328},
    {0x839D, 330}, {0x839E, 332}, {0x83D0, 352}, {0x83D1, 354}, {0x83D2, 356}, {0x83D3, 358}, {0x83D4, 360},
    {0x83D7, 362}, {0x83DA, 364}, {0x83DB, 366}, {0x83DC, 368}, {0x83DD, 370}, {0x83DE, 372}, {0x8410, 392},
    {0x8411, 394}, {0x8412, 396}, {0x8413, 398}, {0x8414, 400}, {0x8417, 402}, {0x841A, 404}, {0x841B, 406},
    {0x841C, 408}, {0x841D, 410}, {0x841E, 412}, {0x8442, 446}, {0x8480, 482}, {0x8481, 484}, {0x8482, 486},
    {0x8483, 488}, {0x8484, 490},
}};

constexpr std::array<std::uint32_t, 5> kWideRangeItems = {0x8000, 0x8020, 0x8030, 0x8040, 0x8480};
constexpr std::uint16_t kWideRangeMaximum = 1474;
constexpr std::uint16_t kByteMaximum = 255;

constexpr int kPointsPerSpacing = 5;
constexpr int kVolumeFlagBit = 15;
constexpr std::uint16_t kTestSwitchBFirst = 0x8300;
constexpr std::uint16_t kTestSwitchBLast = 0x848F;

} // namespace

std::optional<std::size_t> TuningPointOffset(std::uint16_t pointCode) {
    for (const PointEntry& entry : kPoints) {
        if (entry.code == pointCode) {
            return entry.offset;
        }
    }
    return std::nullopt;
}

std::size_t TuningPointCount() {
    return kPoints.size();
}

const std::vector<TuningValueSlot>& TuningValueSlots() {
    static const std::vector<TuningValueSlot> slots = [] {
        std::vector<TuningValueSlot> out;
        for (const PointEntry& entry : kPoints) {
            const bool known = std::any_of(out.begin(), out.end(), [&entry](const TuningValueSlot& slot) {
                return slot.offset == entry.offset;
            });
            if (!known) {
                out.push_back({entry.code, entry.offset});
            }
        }
        return out;
    }();
    return slots;
}

std::uint16_t TuningItemMaximum(std::uint32_t itemCode) {
    return std::find(kWideRangeItems.begin(), kWideRangeItems.end(), itemCode) != kWideRangeItems.end()
               ? kWideRangeMaximum
               : kByteMaximum;
}

std::vector<TuningItem> ParseTuningItems(std::string_view text) {
    std::string compact;
    for (char c : text) {
        if (c != ' ' && c != '\t') {
            compact.push_back(c);
        }
    }
    std::vector<TuningItem> items;
    std::string_view rest = compact;
    while (!rest.empty()) {
        const std::size_t end = rest.find(';');
        const std::string_view entry = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);
        const std::size_t comma = entry.find(',');
        if (comma == std::string_view::npos) {
            continue;
        }
        const auto code = ReadDecimalInteger(entry.substr(0, comma));
        const auto flags = ReadDecimalInteger(entry.substr(comma + 1));
        if (!code || !flags) {
            continue;
        }
        items.push_back({static_cast<std::uint32_t>(*code), static_cast<std::uint16_t>(*flags)});
    }
    return items;
}

const std::vector<std::uint16_t>& TuningItemPoints::Of(TuningSpacing spacing) const {
    switch (spacing) {
    case TuningSpacing::Wide:
        return wide;
    case TuningSpacing::Middle:
        return middle;
    case TuningSpacing::Narrow:
        break;
    }
    return narrow;
}

TuningSpacing TuningItemPoints::InitialSpacing() const {
    if (!wide.empty()) {
        return TuningSpacing::Wide;
    }
    return middle.empty() ? TuningSpacing::Narrow : TuningSpacing::Middle;
}

TuningItemPoints PointsOf(const TuningItem& item) {
    TuningItemPoints points;
    std::vector<std::uint16_t>* groups[] = {&points.wide, &points.middle, &points.narrow};
    for (int bit = 0; bit < 3 * kPointsPerSpacing; ++bit) {
        if ((item.flags >> bit) & 1) {
            groups[bit / kPointsPerSpacing]->push_back(
                static_cast<std::uint16_t>(item.code + static_cast<unsigned>(bit)));
        }
    }
    points.hasVolume = (item.flags >> kVolumeFlagBit) & 1;
    return points;
}

char TestSwitchSelector(std::uint16_t pointCode) {
    return pointCode >= kTestSwitchBFirst && pointCode <= kTestSwitchBLast ? 'b' : 'a';
}

} // namespace tav
