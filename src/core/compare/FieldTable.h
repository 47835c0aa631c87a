#pragma once

#include "core/lang/TextLookup.h"

#include <functional>
#include <string>
#include <vector>

namespace tav {

/// One field of an editor as the compare names it: the label the editor shows beside it and the
/// text its transfer structure holds for it.
template <class Ui> struct FieldRow {
    int labelId = 0;                            ///< control text of the label
    std::string fallback;                       ///< label when the language file has no text
    std::function<std::string(const Ui&)> text; ///< the value as the editor shows it
};

template <class Ui> using FieldTable = std::vector<FieldRow<Ui>>;

/// A label as the user reads it: the language text without a trailing colon, else the fall-back.
std::string FieldLabel(const TextLookup& texts, int labelId, const std::string& fallback);

/// A text field of a transfer structure.
template <auto Member> auto TextField() {
    return [](const auto& ui) { return std::string(ui.*Member); };
}

/// A check box of a transfer structure.
template <auto Member> auto SwitchField() {
    return [](const auto& ui) { return std::string((ui.*Member) != 0 ? "On" : "Off"); };
}

} // namespace tav
