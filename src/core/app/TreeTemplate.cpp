#include "core/app/TreeTemplate.h"

#include <algorithm>

namespace tav {
namespace {

using K = EditMenuKind;

// Folders open nothing in the tree; in the Edit menu a folder either holds a sub-menu or stands
// for the editor below it (the command mapping opens that editor).
constexpr TreeTemplateEntry kEntries[] = {
    {32800, 0, 32800, K::Item},    // radio information
    {0, 0, 0, K::Separator},       //
    {32801, 0, 32801, K::SubMenu}, // radio settings (folder)
    {32802, 1, 32802, K::Item},    // keys
    {32803, 1, 32803, K::Item},    // miscellaneous
    {32806, 1, 32806, K::Item},    // alert tones (folder; the menu item opens the editor)
    {32889, 2, 0, K::None},        // alert tones, with record sub-items
    {32813, 1, 32813, K::Item},    // passwords
    {32816, 1, 32816, K::Item},    // ATIS
    {0, 1, 32817, K::Item},        // PTT-ID (menu only)
    {32818, 1, 32818, K::Item},    // DOS
    {0, 0, 0, K::Separator},       //
    {32821, 0, 32821, K::Item},    // channels (folder; the menu item opens the editor)
    {32822, 1, 0, K::None},        // channels, with record sub-items
    {0, 0, 32895, K::Item},        // channel list (menu only)
    {32823, 0, 32823, K::Item},    // personalities (folder)
    {32824, 1, 0, K::None},        // personalities, with record sub-items
    {32847, 0, 32847, K::SubMenu}, // signalling (folder)
    {32848, 1, 32848, K::Item},    // two-tone (folder)
    {32849, 2, 0, K::None},        // two-tone systems, with record sub-items
    {32851, 2, 32850, K::Item},    // two-tone calls, with record sub-items (the menu item maps to them)
    {32883, 0, 32883, K::Item},    // scanning (folder)
    {32884, 1, 0, K::None},        // scan lists, with record sub-items
    {0, 0, 0, K::Separator},       //
    {32886, 0, 32886, K::Item},    // embedded data
    {32887, 0, 32887, K::Item},    // test frequencies
    {0, 0, 0, K::Separator},       //
    {32888, 0, 32888, K::Item},    // change log
};

} // namespace

std::span<const TreeTemplateEntry> TreeTemplate::Entries() {
    return kEntries;
}

bool TreeTemplate::IsRecordItem(int commandId) {
    return std::find(kRecordItems.begin(), kRecordItems.end(), commandId) != kRecordItems.end();
}

} // namespace tav
