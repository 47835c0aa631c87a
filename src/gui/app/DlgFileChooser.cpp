#include "gui/app/DlgFileChooser.h"

#include "core/lang/CLanguage.h"
#include "gui/app/DlgFile.h"

#include <QFileDialog>

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

std::optional<QString> DlgFileChooser::ChooseCsv(QWidget* parent, bool save, const QString& startPath) {
    constexpr int kCsvFilterText = 9499;
    std::string filter = language_.GetControlText(kCsvFilterText);
    if (filter.empty()) {
        filter = "CSV files (*.csv)";
    }
    const QString filters = QString::fromStdString(filter) + QStringLiteral(";;*");
    const QString path = save ? QFileDialog::getSaveFileName(parent, {}, startPath, filters)
                              : QFileDialog::getOpenFileName(parent, {}, startPath, filters);
    if (path.isEmpty()) {
        return std::nullopt;
    }
    return path;
}

} // namespace tav::gui
