#include "data/AtisData.h"

#include <algorithm>
#include <cstdio>

#include "data/FieldCodec.h"
#include "data/ImageMap.h"

namespace tav {

static_assert(AtisData::kSize == ImageMap::kAtisSize);

AtisData::AtisData() : FeatureData(kSize) {}

void AtisData::SetDefaults(const DataContext&) {
    auto bytes = Bytes();
    std::fill(bytes.begin(), bytes.end(), 0xFF);
    std::fill_n(bytes.begin() + kCodeOffset, kCodeSize, kDefaultCodeByte);
    bytes[kPretimeOffset] = kDefaultPretime;
}

void AtisData::LoadFromImage(const Image& image) { CopyFromImage(image, ImageMap::kAtis, Bytes()); }

void AtisData::StoreToImage(Image& image) const { CopyToImage(image, ImageMap::kAtis, Bytes()); }

AtisCode AtisData::Code() const {
    AtisCode code{};
    std::copy_n(Bytes().begin() + kCodeOffset, kCodeSize, code.begin());
    return code;
}

void AtisData::SetCode(const AtisCode& code) { std::copy(code.begin(), code.end(), Bytes().begin() + kCodeOffset); }

void AtisData::LoadUi(AtisUi& ui, const TextLookup& texts) const {
    ui.code = Code();
    ui.pretime = ListText(texts, kPretimeListId, Pretime());
}

void AtisData::StoreUi(const AtisUi& ui, const TextLookup& texts) {
    SetCode(ui.code);
    Bytes()[kPretimeOffset] = static_cast<std::uint8_t>(ListValueOr(texts, kPretimeListId, ui.pretime, Pretime()));
}

std::string AtisCodeText(const AtisCode& code) {
    std::string text;
    for (std::uint8_t byte : code) {
        char pair[3];
        std::snprintf(pair, sizeof pair, "%02X", byte);
        text += pair;
    }
    return text;
}

std::string NormalizeAtisCodeText(std::string_view text) {
    const std::string digits = DigitsOnly(text, AtisData::kCodeDigits);
    return std::string(AtisData::kCodeDigits - digits.size(), '0') + digits;
}

AtisCode AtisCodeFromText(std::string_view text) {
    const std::string digits = NormalizeAtisCodeText(text);
    AtisCode code{};
    for (std::size_t i = 0; i < code.size(); ++i) {
        code[i] = static_cast<std::uint8_t>((digits[2 * i] - '0') * 16 + (digits[2 * i + 1] - '0'));
    }
    return code;
}

} // namespace tav
