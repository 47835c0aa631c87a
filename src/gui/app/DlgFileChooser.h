#pragma once

#include "gui/ui/FileChooser.h"

namespace tav {
class CLanguage;
}

namespace tav::gui {

/// The Open and Save As file dialogs on the screen: CDlgFile with its information panel.
class DlgFileChooser : public FileChooser {
public:
    explicit DlgFileChooser(const CLanguage& language) : language_(language) {}

    std::optional<QString> ChooseOpen(QWidget* parent, const QString& startPath) override;
    std::optional<SaveChoice> ChooseSave(QWidget* parent, const DataFileHeader& header,
                                         const QString& startPath) override;
    std::optional<QString> ChooseCsv(QWidget* parent, bool save, const QString& startPath) override;

private:
    const CLanguage& language_;
};

} // namespace tav::gui
