#pragma once

#include <QStringList>

class QMenu;

namespace tav::gui {

/// Gives a group of captions (a menu's items, a row of buttons) access keys that differ: a caption
/// keeps the "&" it has; the others get one before the first letter no other caption of the group
/// uses, a word's first letter before any other. A caption without such a letter (a Chinese one)
/// gets "(&X)" appended, X taken from its English fallback where that has a free letter.
class Mnemonics {
public:
    /// `reserved` are captions whose keys the group must leave alone (the menu bar's, for buttons).
    static QStringList Assign(const QStringList& captions, const QStringList& fallbacks = {},
                              const QStringList& reserved = {});
    /// The items of a menu and of its submenus, each menu a group of its own.
    static void AssignInMenu(QMenu& menu);
};

} // namespace tav::gui
