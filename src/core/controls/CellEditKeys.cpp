#include "core/controls/CellEditKeys.h"

namespace tav {

CellEditStart DecideCellEditStart(int startKey) {
    if (startKey == cellkey::kReturn || startKey == cellkey::kMouseClick) {
        return {false, false};
    }
    if (startKey == cellkey::kTab || (startKey >= cellkey::kSpace && startKey <= cellkey::kDown)) {
        return {true, false};
    }
    if (startKey == cellkey::kBackspace) {
        return {false, true};
    }
    return {true, true};
}

bool IsCellNavigationKey(int key) {
    return key == cellkey::kPageUp || key == cellkey::kPageDown ||
           (key >= cellkey::kLeft && key <= cellkey::kDown);
}

bool NavigationEndsCellEdit(int startKey, bool controlHeld) {
    return startKey != cellkey::kMouseClick || controlHeld;
}

} // namespace tav
