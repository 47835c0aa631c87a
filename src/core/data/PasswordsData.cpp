#include "core/data/PasswordsData.h"

#include "core/data/FieldCodec.h"
#include "core/data/ImageMap.h"
#include "core/lang/NoTextLookup.h"
#include "core/lang/TextLookup.h"

#include <algorithm>

namespace tav {

static_assert(PasswordsData::kSize == ImageMap::kPasswordsSize);

PasswordsData::PasswordsData() : FeatureData(kSize) {}

void PasswordsData::SetDefaults(const DataContext&) {
    auto bytes = Bytes();
    std::fill(bytes.begin(), bytes.end(), 0);
}

void PasswordsData::LoadFromImage(const Image& image) {
    CopyFromImage(image, ImageMap::kPasswords, Bytes());
}

void PasswordsData::StoreToImage(Image& image) const {
    CopyToImage(image, ImageMap::kPasswords, Bytes());
}

std::string PasswordsData::Field(std::size_t offset) const {
    return ReadZeroEndedText(Bytes().subspan(offset, kFieldSize));
}

const BlockFieldTable<PasswordsUi>& PasswordsData::EditorFields() {
    const auto password = [](const char* key, int editId, const char* fallback,
                             std::string PasswordsUi::*member, std::size_t offset) {
        return BlockRow<PasswordsUi>(key, editId - 1, fallback, BlockCodec::SecretText, editId,
                                     Member(member))
            .At({offset, kFieldSize});
    };
    static const BlockFieldTable<PasswordsUi> table = {
        password("power_on", kPowerOnEditId, "Power-On Password", &PasswordsUi::powerOn, kPowerOnOffset),
        password("write_dealer", kWriteDealerEditId, "Write/Tune/Dealer Password", &PasswordsUi::writeDealer,
                 kWriteDealerOffset),
        password("read", kReadEditId, "Read Password", &PasswordsUi::read, kReadOffset),
    };
    return table;
}

void PasswordsData::LoadUi(PasswordsUi& ui) const {
    LoadBlockFields(EditorFields(), Bytes(), ui, NoTextLookup::Instance());
}

void PasswordsData::StoreUi(const PasswordsUi& ui) {
    StoreBlockFields(EditorFields(), ui, Bytes(), NoTextLookup::Instance());
}

std::string NormalizePasswordText(std::string_view text) {
    return DigitsOnly(text, PasswordsData::kFieldSize);
}

} // namespace tav
