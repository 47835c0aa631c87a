#include "core/data/AtisData.h"

#include "core/controls/DigitString.h"
#include "core/data/FieldCodec.h"
#include "core/data/ImageMap.h"

#include <algorithm>

namespace tav {

static_assert(AtisData::kSize == ImageMap::kAtisSize);

AtisData::AtisData() : FeatureData(kSize) {}

void AtisData::SetDefaults(const DataContext&) {
    auto bytes = Bytes();
    std::fill(bytes.begin(), bytes.end(), 0xFF);
    std::fill_n(bytes.begin() + kCodeOffset, kCodeSize, kDefaultCodeByte);
    bytes[kPretimeOffset] = kDefaultPretime;
}

void AtisData::LoadFromImage(const Image& image) {
    CopyFromImage(image, ImageMap::kAtis, Bytes());
}

void AtisData::StoreToImage(Image& image) const {
    CopyToImage(image, ImageMap::kAtis, Bytes());
}

AtisCode AtisData::Code() const {
    AtisCode code{};
    std::copy_n(Bytes().begin() + kCodeOffset, kCodeSize, code.begin());
    return code;
}

void AtisData::SetCode(const AtisCode& code) {
    std::copy(code.begin(), code.end(), Bytes().begin() + kCodeOffset);
}

const BlockFieldTable<AtisUi>& AtisData::EditorFields() {
    static_assert(2 * kCodeSize == kCodeDigits);
    using C = BlockCodec;
    static const BlockFieldTable<AtisUi> table = {
        BlockRow<AtisUi>("code", kCodeLabel, "ATIS Code", C::Digits, kCodeEditId, Member(&AtisUi::code))
            .At({kCodeOffset, kCodeSize}),
        BlockRow<AtisUi>("pretime", kPretimeLabel, "Pretime [ms]", C::ListItem, kPretimeListId,
                         Member(&AtisUi::pretime))
            .At({kPretimeOffset})
            .List(kPretimeListId),
    };
    return table;
}

void AtisData::LoadUi(AtisUi& ui, const TextLookup& texts) const {
    LoadBlockFields(EditorFields(), Bytes(), ui, texts);
}

void AtisData::StoreUi(const AtisUi& ui, const TextLookup& texts) {
    StoreBlockFields(EditorFields(), ui, Bytes(), texts);
}

std::string AtisCodeText(const AtisCode& code) {
    return DigitStringFromBytes(code, static_cast<int>(AtisData::kCodeDigits)).text;
}

AtisCode AtisCodeFromText(std::string_view text) {
    const DigitStringEntry entry = DigitStringFromText(text, static_cast<int>(AtisData::kCodeDigits));
    AtisCode code{};
    std::copy_n(entry.bytes.begin(), std::min(entry.bytes.size(), code.size()), code.begin());
    return code;
}

} // namespace tav
