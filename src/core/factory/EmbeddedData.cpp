#include "core/factory/EmbeddedData.h"

#include "core/data/FieldCodec.h"
#include "core/data/ImageMap.h"
#include "core/factory/FactoryCodecs.h"
#include "core/lang/NoTextLookup.h"

#include <algorithm>

namespace tav {

static_assert(EmbeddedData::kSize == ImageMap::kEmbeddedSize);
static_assert(EmbeddedData::kRadioAddress == ImageMap::kEmbedded + ImageMap::kEmbeddedRadioOffset);
static_assert(EmbeddedData::kFirstTextOffset + EmbeddedData::kTextSize * EmbeddedData::kTextCount ==
              EmbeddedData::kSize);

EmbeddedData::EmbeddedData() : FeatureData(kSize) {}

void EmbeddedData::SetDefaults(const DataContext&) {
    auto bytes = Bytes();
    std::fill(bytes.begin(), bytes.end(), 0);
}

void EmbeddedData::LoadFromImage(const Image& image) {
    CopyFromImage(image, ImageMap::kEmbedded, Bytes());
}

void EmbeddedData::StoreToImage(Image& image) const {
    CopyToImage(image, ImageMap::kEmbedded, Bytes());
}

const BlockFieldTable<EmbeddedUi>& EmbeddedData::EditorFields() {
    static const BlockFieldTable<EmbeddedUi> table = [] {
        static const std::array<const char*, kTextCount> keys = {"text_1", "text_2", "text_3", "text_4"};
        static const std::array<const char*, kTextCount> names = {"Text 1", "Text 2", "Text 3", "Text 4"};
        BlockFieldTable<EmbeddedUi> rows;
        for (std::size_t i = 0; i < kTextCount; ++i) {
            rows.push_back(BlockRow<EmbeddedUi>(keys[i], kTextEditIds[i] - 1, names[i], BlockCodec::Rule,
                                                kTextEditIds[i], Element(&EmbeddedUi::texts, i))
                               .At({TextOffset(i), kTextSize})
                               .WithRule(kPaddedTextRule));
        }
        return rows;
    }();
    return table;
}

void EmbeddedData::LoadUi(EmbeddedUi& ui) const {
    LoadBlockFields(EditorFields(), Bytes(), ui, NoTextLookup::Instance());
}

void EmbeddedData::StoreUi(const EmbeddedUi& ui) {
    StoreBlockFields(EditorFields(), ui, Bytes(), NoTextLookup::Instance());
}

std::string EmbeddedData::Field(std::size_t offset, std::size_t size) const {
    const auto field = Bytes().subspan(offset, size);
    if (field[0] == 0xFF) {
        return {};
    }
    return TrimRight(ReadZeroEndedText(field));
}

void EmbeddedData::SetField(std::size_t offset, std::size_t size, std::string_view text) {
    WritePaddedText(Bytes().subspan(offset, size), text, ' ');
}

} // namespace tav
