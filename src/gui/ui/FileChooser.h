#pragma once

#include "core/data/DataFileHeader.h"

#include <QString>
#include <optional>

class QWidget;

namespace tav::gui {

/// The file chosen in a save dialog, with the comment typed in its information panel.
struct SaveChoice {
    QString path;
    QString comment;
};

/// The file dialogs of Open and Save As (the data-file dialog with its information panel).
/// Tests put a scripted chooser in place, so no test waits for a person.
class FileChooser {
public:
    virtual ~FileChooser() = default;
    virtual std::optional<QString> ChooseOpen(QWidget* parent, const QString& startPath) = 0;
    /// `header` is what the save will write: the panel shows its range, model and firmware.
    virtual std::optional<SaveChoice> ChooseSave(QWidget* parent, const DataFileHeader& header,
                                                 const QString& startPath) = 0;
    /// A CSV file of channels to read (`save` false) or to write (`save` true).
    virtual std::optional<QString> ChooseCsv(QWidget* parent, bool save, const QString& startPath) = 0;
};

} // namespace tav::gui
