#include "core/data/PasswordsData.h"

#include "core/data/FieldCodec.h"
#include "core/data/ImageMap.h"

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

void PasswordsData::SetField(std::size_t offset, std::string_view text) {
    auto field = Bytes().subspan(offset, kFieldSize);
    std::fill(field.begin(), field.end(), 0);
    std::copy_n(text.begin(), std::min(text.size(), kFieldSize), field.begin());
}

void PasswordsData::LoadUi(PasswordsUi& ui) const {
    ui.powerOn = PowerOn();
    ui.writeDealer = WriteDealer();
    ui.read = Read();
}

void PasswordsData::StoreUi(const PasswordsUi& ui) {
    SetField(kPowerOnOffset, ui.powerOn);
    SetField(kWriteDealerOffset, ui.writeDealer);
    SetField(kReadOffset, ui.read);
}

std::string NormalizePasswordText(std::string_view text) {
    return DigitsOnly(text, PasswordsData::kFieldSize);
}

} // namespace tav
