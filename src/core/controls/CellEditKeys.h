#pragma once

namespace tav {

/// Key codes with which a grid starts an in-place cell edit (the frequency cell and the free-text
/// cell share these rules).
namespace cellkey {
inline constexpr int kMouseClick = 1;
inline constexpr int kBackspace = 8;
inline constexpr int kTab = 9;
inline constexpr int kReturn = 13;
inline constexpr int kEscape = 27;
inline constexpr int kSpace = 32;
inline constexpr int kPageUp = 33;
inline constexpr int kPageDown = 34;
inline constexpr int kEnd = 35;
inline constexpr int kHome = 36;
inline constexpr int kLeft = 37;
inline constexpr int kUp = 38;
inline constexpr int kRight = 39;
inline constexpr int kDown = 40;
} // namespace cellkey

/// How an in-place edit begins, by the key that started it.
struct CellEditStart {
    /// True: all text selected; false: caret at the end.
    bool selectAll = false;
    /// True: the start key is then typed into the edit (replacing the selection, or, for
    /// backspace, deleting the last character).
    bool typeStartKey = false;

    bool operator==(const CellEditStart&) const = default;
};

/// Return or a mouse click: caret at the end. Tab, space and the navigation keys: select all, type
/// nothing. Backspace: caret at the end, then typed. Any other character: select all, then typed.
CellEditStart DecideCellEditStart(int startKey);

/// True for page up, page down and the four arrow keys.
bool IsCellNavigationKey(int key);

/// Whether a navigation key ends the edit (and goes to the grid) rather than moving the caret:
/// when the edit was started by a key, or when Ctrl is held.
bool NavigationEndsCellEdit(int startKey, bool controlHeld);

} // namespace tav
