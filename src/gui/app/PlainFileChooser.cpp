#include "app/PlainFileChooser.h"

#include "app/AppContext.h"

#include <QFileDialog>

namespace tav::gui {

QStringList PlainFileChooser::FiltersFrom(const QString& filterText) {
    QStringList filters;
    const QStringList parts = filterText.split(QLatin1Char('|'));
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString description = parts[i].trimmed();
        const QString pattern = parts[i + 1].trimmed();
        if (description.isEmpty() || pattern.isEmpty()) {
            continue;
        }
        QString patterns = pattern;
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        filters << (description.contains(QLatin1Char('('))
                        ? description
                        : QStringLiteral("%1 (%2)").arg(description, patterns));
    }
    if (filters.isEmpty()) {
        filters << QStringLiteral("TAV Data Files (*.dat)") << QStringLiteral("All Files (*)");
    }
    return filters;
}

std::optional<QString> PlainFileChooser::ChooseOpen(QWidget* parent, const QString& startPath) {
    QFileDialog dialog(parent);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(FiltersFrom(context_.Message(kFilterText)));
    dialog.setDefaultSuffix(context_.Message(kDefaultExtensionText, QStringLiteral("dat")));
    if (!startPath.isEmpty()) {
        dialog.selectFile(startPath);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().front();
}

std::optional<SaveChoice> PlainFileChooser::ChooseSave(QWidget* parent, const DataFileHeader&,
                                                       const QString& startPath) {
    QFileDialog dialog(parent);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(FiltersFrom(context_.Message(kFilterText)));
    dialog.setDefaultSuffix(context_.Message(kDefaultExtensionText, QStringLiteral("dat")));
    if (!startPath.isEmpty()) {
        dialog.selectFile(startPath);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return SaveChoice{dialog.selectedFiles().front(), {}};
}

} // namespace tav::gui
