#pragma once

#include <string>

namespace tav {

/// The lookups that data objects and editors make in the language file: message and control texts,
/// conversions between a list item's raw value and its text, and the per-model control switch.
/// The language module implements it; tests use a small in-memory double.
class TextLookup {
public:
    virtual ~TextLookup() = default;
    /// Message text n (group S01).
    virtual std::string GetMessageText(int n) const = 0;
    /// Control, caption and list text n (group S02).
    virtual std::string GetControlText(int n) const = 0;
    /// The text of the item with raw value `value` in list `listId`; empty when none has it.
    virtual std::string ListValueToText(int listId, int value) const = 0;
    /// The raw value of the item with text `text` in list `listId`; -1 when none matches.
    virtual int ListTextToValue(int listId, const std::string& text) const = 0;
    /// Non-zero when the language file disables the control for the current model.
    virtual int IsControlDisabled(int controlId) const = 0;
};

} // namespace tav
