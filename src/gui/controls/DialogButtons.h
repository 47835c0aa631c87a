#pragma once

#include <QWidget>

class QDialog;
class QPushButton;

namespace tav::gui {

/// The control ids of the standard dialog buttons (also their text numbers in the language file).
inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;
inline constexpr int kIdHelp = 9;

/// The row of OK, Cancel and Help buttons at the foot of a dialog, right-aligned. OK is the
/// default button and accepts, Cancel rejects, Help asks for the dialog's help topic.
class DialogButtons : public QWidget {
    Q_OBJECT
public:
    DialogButtons(QDialog* dialog, int helpTopic, bool showHelp = true);

    QPushButton* Ok() const { return ok_; }
    QPushButton* Cancel() const { return cancel_; }
    QPushButton* Help() const { return help_; }

private:
    QPushButton* ok_;
    QPushButton* cancel_;
    QPushButton* help_;
};

} // namespace tav::gui
