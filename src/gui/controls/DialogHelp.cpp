#include "gui/controls/DialogHelp.h"

#include <utility>

namespace tav::gui {
namespace {

DialogHelpHandler& Handler() {
    static DialogHelpHandler handler;
    return handler;
}

} // namespace

void SetDialogHelpHandler(DialogHelpHandler handler) {
    Handler() = std::move(handler);
}

void RequestDialogHelp(QWidget* window, int topic) {
    if (Handler()) {
        Handler()(window, topic);
    }
}

} // namespace tav::gui
