#pragma once

#include "gui/ui/DialogTemplate.h"

#include <QDialog>
#include <optional>

class QComboBox;

namespace tav {
class CSettings;
}

namespace tav::gui {

/// The Language dialog: a drop-down of the languages the language file lists. OK with another
/// language than the current one ends with Accepted and the chosen index; anything else ends as
/// cancelled. The main frame applies the choice.
class DlgLanguage : public QDialog {
    Q_OBJECT
public:
    static constexpr int kDialogId = 1037;
    static constexpr int kLabel = 1038;
    static constexpr int kList = 1039;
    static const DialogTemplate& Template();

    DlgLanguage(const CSettings& settings, QWidget* parent = nullptr);

    /// The language index chosen (only after the dialog was accepted).
    std::optional<int> ChosenLanguage() const { return chosen_; }
    QComboBox* List() const { return list_; }

    void accept() override;

private:
    int current_;
    QComboBox* list_ = nullptr;
    std::optional<int> chosen_;
};

} // namespace tav::gui
