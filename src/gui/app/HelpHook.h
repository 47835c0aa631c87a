#pragma once

#include <QObject>

namespace tav::gui {

class HelpSystem;

/// Turns the help key, pressed in any window of the program, into a help request: an editor form
/// or page answers for its controls (control, form, default topic); elsewhere the topic is the id
/// of the control that has the focus, falling back to the default topic. The navigation tree
/// answers for itself.
class HelpHook : public QObject {
    Q_OBJECT
public:
    explicit HelpHook(HelpSystem& help, QObject* parent = nullptr);
    /// Runs the help request of a widget as the help key would.
    void RequestHelp(QWidget* widget);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    HelpSystem& help_;
};

} // namespace tav::gui
