#include "core/lang/CLanguage.h"

#include "core/platform/AsciiText.h"
#include "core/platform/PrivateProfile.h"

#include <cstdio>

namespace tav {

CLanguage::CLanguage(std::filesystem::path languageFile, std::function<std::string()> modelIdSource)
    : file_(std::move(languageFile)), modelIdSource_(std::move(modelIdSource)) {}

void CLanguage::SetLanguageFile(std::filesystem::path file) {
    file_ = std::move(file);
}

std::string CLanguage::Key(const char* group, int n) {
    char key[32];
    std::snprintf(key, sizeof key, "%s%05d", group, n);
    return key;
}

std::string CLanguage::Lookup(const char* group, int n, std::size_t bytes) const {
    return PrivateProfile::ReadString(file_, kSection, Key(group, n), {}, bytes);
}

std::string CLanguage::GetMessageText(int n) const {
    return Lookup("S01", n, kMessageBytes);
}

std::string CLanguage::GetControlText(int n) const {
    return Lookup("S02", n, kControlBytes);
}

std::string CLanguage::GetModelText(int n) const {
    return Lookup("S03", n, kModelBytes);
}

bool CLanguage::GetText(int n, bool controlGroup, std::string& inOut) const {
    const auto value = PrivateProfile::Find(file_, kSection, Key(controlGroup ? "S02" : "S01", n));
    if (!value) {
        return false;
    }
    inOut = AsciiText::CutUtf8(*value, (controlGroup ? kControlBytes : kMessageBytes) - 1);
    return true;
}

int CLanguage::IsControlDisabled(int controlId) const {
    const std::string modelId = modelIdSource_ ? modelIdSource_() : std::string();
    if (modelId.empty()) {
        return 0;
    }
    return PrivateProfile::ReadInt(file_, modelId, Key("S00", controlId), 0);
}

std::string CLanguage::ListValueToText(int listId, int value) const {
    return ListText::ValueToText(GetControlText(listId), value);
}

int CLanguage::ListTextToValue(int listId, const std::string& text) const {
    return ListText::TextToValue(GetControlText(listId), text);
}

std::vector<ListItem> CLanguage::ListItems(int listId) const {
    return ListText::Items(GetControlText(listId));
}

std::vector<ListItem> CLanguage::ListBoxItems(int listId) const {
    return ListText::ValueItems(GetControlText(listId));
}

std::vector<std::string> CLanguage::ListTexts(int listId) const {
    return ListText::Texts(GetControlText(listId));
}

std::optional<NumericRange> CLanguage::EditRange(int controlId) const {
    const auto range = ListText::ParseRange(GetControlText(controlId));
    if (!range || !ListText::IsUsable(*range)) {
        return std::nullopt;
    }
    return range;
}

} // namespace tav
