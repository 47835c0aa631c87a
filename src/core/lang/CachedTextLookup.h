#pragma once

#include "core/lang/TextLookup.h"

#include <cstddef>
#include <map>
#include <string>
#include <unordered_map>
#include <utility>

namespace tav {

/// The texts of another lookup, each asked of it once: for one piece of work that makes the same
/// lookups many times (an import that checks thousands of rows), where asking the language file
/// each time would read its status again and again. Texts the language file gains or changes while
/// this object lives are not seen, so it is made for the work and dropped after it.
///
/// Conversions from a text to a list value take the text from outside (a file's cell): only the
/// first kMaxTextValues of them are kept, so a file of distinct texts cannot make the cache grow
/// without bound; the others are asked of the wrapped lookup each time.
///
/// Not for use from several threads at once.
class CachedTextLookup : public TextLookup {
public:
    static constexpr std::size_t kMaxTextValues = 4096;

    /// `texts` must outlive this object.
    explicit CachedTextLookup(const TextLookup& texts);

    std::string GetMessageText(int n) const override;
    std::string GetControlText(int n) const override;
    std::string ListValueToText(int listId, int value) const override;
    int ListTextToValue(int listId, const std::string& text) const override;
    int IsControlDisabled(int controlId) const override;

private:
    const TextLookup& texts_;
    mutable std::unordered_map<int, std::string> messages_;
    mutable std::unordered_map<int, std::string> controls_;
    mutable std::unordered_map<int, int> disabled_;
    mutable std::map<std::pair<int, int>, std::string> valueTexts_;
    mutable std::unordered_map<int, std::unordered_map<std::string, int>> textValues_; ///< by list
    mutable std::size_t textValueCount_ = 0;
};

} // namespace tav
