#pragma once

#include "gui/ui/DialogTemplate.h"

#include <QDialog>

class QCheckBox;
class QLabel;

namespace tav {
class CLanguage;
}

namespace tav::gui {

/// The Note dialog: a long language text (the note shown before a write) with a check box that
/// keeps the note from being shown again for the rest of the program run. Whether it ends with OK
/// or Cancel, the box's state becomes the program-wide do-not-warn flag.
class CDlgNote : public QDialog {
    Q_OBJECT
public:
    static constexpr int kDialogId = 142;
    static constexpr int kText = 1139;
    static constexpr int kCheck = 1140;
    /// Language text of the check box when a note text is given.
    static constexpr int kCheckText = 1179;
    static const DialogTemplate& Template();

    /// `textNumber` is the language text to show; 0 keeps the template's texts.
    CDlgNote(int textNumber, const CLanguage& language, QWidget* parent = nullptr);

    /// The do-not-warn flag: cleared at program start, set by the dialog's check box.
    static bool DoNotWarn();
    static void SetDoNotWarn(bool doNotWarn);

    QLabel* Text() const { return text_; }
    QCheckBox* Check() const { return check_; }

    void done(int result) override;

private:
    QLabel* text_ = nullptr;
    QCheckBox* check_ = nullptr;
};

} // namespace tav::gui
