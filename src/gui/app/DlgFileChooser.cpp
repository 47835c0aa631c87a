#include "gui/app/DlgFileChooser.h"

#include "gui/app/DlgFile.h"

namespace tav::gui {

std::optional<QString> DlgFileChooser::ChooseOpen(QWidget* parent, const QString& startPath) {
    CDlgFile dialog(CDlgFile::Mode::Open, language_, startPath, parent);
    if (dialog.exec() != QDialog::Accepted || dialog.ChosenPath().isEmpty()) {
        return std::nullopt;
    }
    return dialog.ChosenPath();
}

std::optional<SaveChoice> DlgFileChooser::ChooseSave(QWidget* parent, const DataFileHeader& header,
                                                     const QString& startPath) {
    CDlgFile dialog(CDlgFile::Mode::Save, language_, startPath, parent);
    dialog.ShowHeader(header);
    if (dialog.exec() != QDialog::Accepted || dialog.ChosenPath().isEmpty()) {
        return std::nullopt;
    }
    return SaveChoice{dialog.ChosenPath(), dialog.Comment()};
}

} // namespace tav::gui
