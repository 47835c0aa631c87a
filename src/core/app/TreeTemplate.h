#pragma once

#include <array>
#include <span>

namespace tav {

/// How an entry of the navigation template appears in the Edit menu.
enum class EditMenuKind {
    None,      ///< not in the Edit menu
    Item,      ///< a command that opens an editor (after mapping, see ViewTable)
    SubMenu,   ///< a sub-menu holding the deeper entries that follow it
    Separator, ///< a separator line
};

/// One entry of the navigation template: the tree item (command id and level; entries with command
/// id 0 are not in the tree) and its Edit-menu counterpart.
struct TreeTemplateEntry {
    int commandId = 0;
    int level = 0;
    int menuId = 0;
    EditMenuKind menuKind = EditMenuKind::None;
};

/// The navigation tree's template and the Edit menu that is built from it. Item texts come from
/// the language file (control text number command id, or menu id for Edit-menu-only entries); an
/// entry without text is left out, so the language file decides which features are offered.
class TreeTemplate {
public:
    /// The record editors' items: record sub-items are kept below them, one per record.
    static constexpr std::array<int, 6> kRecordItems{32822, 32824, 32884, 32889, 32849, 32851};
    /// The change-log item, offered only at the full factory level.
    static constexpr int kChangeLogItem = 32888;

    static std::span<const TreeTemplateEntry> Entries();
    static bool IsRecordItem(int commandId);
};

} // namespace tav
