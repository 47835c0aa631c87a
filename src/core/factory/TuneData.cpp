#include "core/factory/TuneData.h"

#include "core/data/ImageMap.h"
#include "core/factory/FactoryCodecs.h"
#include "core/lang/NoTextLookup.h"
#include "core/factory/TuningPoints.h"

#include <algorithm>
#include <cstdio>
#include <deque>
#include <string>

namespace tav {

static_assert(TuneData::kSize == ImageMap::kTuneDataSize);

namespace {

constexpr std::size_t kValueBytes = 2;

/// The value at `index` of the structure; a structure not yet filled reads as 0.
BlockSlot<TuneUi> ValueSlot(std::size_t index) {
    return {[index](const TuneUi& ui) { return BlockValue(index < ui.values.size() ? ui.values[index] : 0); },
            [index](TuneUi& ui, const BlockValue& value) {
                if (ui.values.size() <= index) {
                    ui.values.resize(index + 1);
                }
                ui.values[index] = std::get<int>(value);
            }};
}

/// "0x8002": the point code as the tuning item list writes it.
std::string PointName(std::uint16_t code) {
    char text[8];
    std::snprintf(text, sizeof text, "0x%04X", static_cast<unsigned>(code));
    return text;
}

} // namespace

TuneData::TuneData() : FeatureData(kSize) {}

const BlockFieldTable<TuneUi>& TuneData::EditorFields() {
    static const BlockFieldTable<TuneUi> table = [] {
        // The table lives as long as the program: its keys and labels with it.
        static std::deque<std::string> names;
        BlockFieldTable<TuneUi> rows;
        const std::vector<TuningValueSlot>& slots = TuningValueSlots();
        for (std::size_t k = 0; k < slots.size(); ++k) {
            const std::string& key = names.emplace_back("point_" + PointName(slots[k].pointCode).substr(2));
            const std::string& label = names.emplace_back("Point " + PointName(slots[k].pointCode));
            rows.push_back(BlockRow<TuneUi>(key.c_str(), 0, label.c_str(), BlockCodec::Rule, 0, ValueSlot(k))
                               .At({slots[k].offset, kValueBytes})
                               .WithRule(kWordRule));
        }
        return rows;
    }();
    return table;
}

const BlockField<TuneUi>* TuneData::FieldOfPoint(std::uint16_t pointCode) {
    const std::optional<std::size_t> offset = TuningPointOffset(pointCode);
    if (!offset) {
        return nullptr;
    }
    for (const BlockField<TuneUi>& field : EditorFields()) {
        if (field.bytes.offset == *offset) {
            return &field;
        }
    }
    return nullptr;
}

void TuneData::LoadUi(TuneUi& ui) const {
    ui.values.assign(EditorFields().size(), 0);
    LoadBlockFields(EditorFields(), Bytes(), ui, NoTextLookup::Instance());
}

void TuneData::SetDefaults(const DataContext&) {
    auto bytes = Bytes();
    std::fill(bytes.begin(), bytes.end(), 0xFF);
}

void TuneData::LoadFromImage(const Image& image) {
    CopyFromImage(image, ImageMap::kTuneData, Bytes());
}

void TuneData::StoreToImage(Image& image) const {
    CopyToImage(image, ImageMap::kTuneData, Bytes());
}

std::optional<std::uint16_t> TuneData::Value(std::uint16_t pointCode) const {
    const BlockField<TuneUi>* field = FieldOfPoint(pointCode);
    if (field == nullptr) {
        return std::nullopt;
    }
    return static_cast<std::uint16_t>(
        std::get<int>(DecodeBlockField(*field, Bytes(), NoTextLookup::Instance())));
}

bool TuneData::SetValue(std::uint16_t pointCode, std::uint16_t value) {
    const BlockField<TuneUi>* field = FieldOfPoint(pointCode);
    if (field == nullptr) {
        return false;
    }
    EncodeBlockField(*field, BlockValue(static_cast<int>(value)), Bytes(), NoTextLookup::Instance());
    return true;
}

} // namespace tav
