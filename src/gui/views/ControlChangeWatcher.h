#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <functional>

class QWidget;

namespace tav::gui {

/// Notification codes of control events, as the editors' change protocol numbers them.
namespace NotifyCodes {
inline constexpr int kClicked = 0;           ///< a button was clicked
inline constexpr int kSelectionChanged = 1;  ///< a drop-down's selection was chosen
inline constexpr int kListFocusLost = 4;     ///< a drop-down lost the focus
inline constexpr int kEditFocusLost = 0x200; ///< an edit lost the focus
inline constexpr int kEditChanged = 0x300;   ///< an edit's text changed (never stores)
} // namespace NotifyCodes

/// Whether a control event makes an editor store and tell the change: exactly the clicks,
/// the selections and the focus losses of drop-downs and edits. The rule is the one of the combined
/// event word (code in the high half, control id in the low half): above 0x4FFFF only an edit's
/// focus loss counts; otherwise a drop-down's focus loss and any word below 0x20000 count.
bool QualifiesForStore(int notifyCode, int controlId);

/// Watches the controls of a form and reports their events by control id and notification code:
/// button clicks, drop-down selections made by the user, and focus leaving a drop-down or an edit
/// (a popup opening does not count, nor focus moving inside the same control).
class ControlChangeWatcher : public QObject {
    Q_OBJECT
public:
    using Handler = std::function<void(int controlId, int notifyCode)>;

    ControlChangeWatcher(QWidget* form, Handler handler);

    /// Watches every descendant of the form that has a control id.
    void WatchAll();
    /// Watches one control (and the widgets inside it).
    void Watch(QWidget* control);
    /// Stops reporting (the form is going away).
    void Detach() { handler_ = nullptr; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Report(int controlId, int code);

    QPointer<QWidget> form_;
    Handler handler_;
    QHash<QObject*, QPointer<QWidget>> owners_;
};

} // namespace tav::gui
