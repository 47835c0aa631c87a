#include "core/data/PasswordsData.h"

#include "core/data/FieldCodec.h"
#include "core/data/ImageMap.h"
#include "core/lang/TextLookup.h"

#include <algorithm>

namespace tav {

static_assert(PasswordsData::kSize == ImageMap::kPasswordsSize);

namespace {

/// The passwords name no language list: their fields need no texts.
class NoTextLookup : public TextLookup {
public:
    std::string GetMessageText(int) const override { return {}; }
    std::string GetControlText(int) const override { return {}; }
    std::string ListValueToText(int, int) const override { return {}; }
    int ListTextToValue(int, const std::string&) const override { return -1; }
    int IsControlDisabled(int) const override { return 0; }
};

const TextLookup& NoTexts() {
    static const NoTextLookup none;
    return none;
}

} // namespace

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
    LoadBlockFields(EditorFields(), Bytes(), ui, NoTexts());
}

void PasswordsData::StoreUi(const PasswordsUi& ui) {
    StoreBlockFields(EditorFields(), ui, Bytes(), NoTexts());
}

std::string NormalizePasswordText(std::string_view text) {
    return DigitsOnly(text, PasswordsData::kFieldSize);
}

} // namespace tav
