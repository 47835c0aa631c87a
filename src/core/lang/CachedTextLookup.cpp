#include "core/lang/CachedTextLookup.h"

namespace tav {

namespace {

/// The value cached under `key`, asked of `ask` the first time.
template <class Map, class Key, class Ask> const auto& Remembered(Map& map, const Key& key, Ask ask) {
    auto found = map.find(key);
    if (found == map.end()) {
        found = map.emplace(key, ask()).first;
    }
    return found->second;
}

} // namespace

CachedTextLookup::CachedTextLookup(const TextLookup& texts) : texts_(texts) {}

std::string CachedTextLookup::GetMessageText(int n) const {
    return Remembered(messages_, n, [&] { return texts_.GetMessageText(n); });
}

std::string CachedTextLookup::GetControlText(int n) const {
    return Remembered(controls_, n, [&] { return texts_.GetControlText(n); });
}

std::string CachedTextLookup::ListValueToText(int listId, int value) const {
    return Remembered(valueTexts_, std::pair{listId, value},
                      [&] { return texts_.ListValueToText(listId, value); });
}

int CachedTextLookup::ListTextToValue(int listId, const std::string& text) const {
    auto& list = textValues_[listId];
    if (const auto found = list.find(text); found != list.end()) {
        return found->second;
    }
    const int value = texts_.ListTextToValue(listId, text);
    if (textValueCount_ < kMaxTextValues) {
        list.emplace(text, value);
        ++textValueCount_;
    }
    return value;
}

int CachedTextLookup::IsControlDisabled(int controlId) const {
    return Remembered(disabled_, controlId, [&] { return texts_.IsControlDisabled(controlId); });
}

} // namespace tav
