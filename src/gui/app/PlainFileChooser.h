#pragma once

#include "ui/FileChooser.h"

#include <QStringList>

namespace tav::gui {

class AppContext;

/// Open and Save As through the toolkit's own file dialog, with the default extension (message
/// text 1211) and the filter (message text 1212) of the language file. It has no information
/// panel, so a save keeps the comment of an existing file.
class PlainFileChooser : public FileChooser {
public:
    static constexpr int kDefaultExtensionText = 1211;
    static constexpr int kFilterText = 1212;

    explicit PlainFileChooser(AppContext& context) : context_(context) {}

    std::optional<QString> ChooseOpen(QWidget* parent, const QString& startPath) override;
    std::optional<SaveChoice> ChooseSave(QWidget* parent, const DataFileHeader& header,
                                         const QString& startPath) override;

    /// The toolkit's filters from a filter text of pairs "description|pattern|...", ended by "||":
    /// each description, followed by its pattern in brackets when it does not show one.
    static QStringList FiltersFrom(const QString& filterText);

private:
    AppContext& context_;
};

} // namespace tav::gui
