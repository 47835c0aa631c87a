#pragma once

#include "core/lang/TextLookup.h"

#include <string>

namespace tav {

/// The lookup of fields that use no language text (frequencies, numbers, free texts): every text
/// is empty and no list has items.
class NoTextLookup : public TextLookup {
public:
    std::string GetMessageText(int) const override { return {}; }
    std::string GetControlText(int) const override { return {}; }
    std::string ListValueToText(int, int) const override { return {}; }
    int ListTextToValue(int, const std::string&) const override { return -1; }
    int IsControlDisabled(int) const override { return 0; }

    /// The one lookup all such fields share.
    static const NoTextLookup& Instance() {
        static const NoTextLookup lookup;
        return lookup;
    }
};

} // namespace tav
