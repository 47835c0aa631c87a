#pragma once

#include "core/data/DataFileHeader.h"
#include "gui/ui/DialogTemplate.h"

#include <QFileDialog>

class QLineEdit;
class QPlainTextEdit;

namespace tav {
class CLanguage;
}

namespace tav::gui {

/// The file dialog of Open and Save As: the standard dialog with an information panel below it
/// (model name, frequency range, firmware version and comment of a data file). In open mode the
/// panel follows the file the user moves to and the comment is read-only; in save mode it shows
/// the header that will be written and takes the comment to store with the file.
class CDlgFile : public QFileDialog {
    Q_OBJECT
public:
    enum class Mode { Open, Save };

    /// Ids of the panel (its template) and of its controls.
    static constexpr int kPanelId = 152;
    static constexpr int kModelNameEdit = 1041;
    static constexpr int kRangeEdit = 1042;
    static constexpr int kFirmwareEdit = 1043;
    static constexpr int kCommentEdit = 1044;
    static constexpr int kModelNameLabel = 1045;
    static constexpr int kRangeLabel = 1046;
    static constexpr int kFirmwareLabel = 1047;
    static constexpr int kCommentLabel = 1048;
    static constexpr int kPicture = 1049;
    /// Language texts: default extension and filter (messages), captions (control texts).
    static constexpr int kDefaultExtensionText = 1211;
    static constexpr int kFilterText = 1212;
    static constexpr int kOpenCaption = 9101;
    static constexpr int kSaveCaption = 9102;
    /// Texts of the file dialog's own labels and buttons.
    static constexpr int kLookInText = 9103;
    static constexpr int kFileNameText = 9104;
    static constexpr int kFileTypeText = 9105;
    static constexpr int kSaveButtonText = 9106;
    static constexpr int kOpenButtonText = 9107;
    static constexpr int kCancelButtonText = 2;

    static const DialogTemplate& PanelTemplate();

    /// `startPath` is the file proposed (save) or the folder or file to start in (open).
    CDlgFile(Mode mode, const CLanguage& language, const QString& startPath, QWidget* parent = nullptr);

    Mode DialogMode() const { return mode_; }
    /// Save mode: the header to be written.
    void ShowHeader(const DataFileHeader& header);
    /// The comment typed in the panel (save mode).
    QString Comment() const;
    /// The chosen file; empty when none.
    QString ChosenPath() const;

    QLineEdit* ModelNameEdit() const { return modelName_; }
    QLineEdit* RangeEdit() const { return range_; }
    QLineEdit* FirmwareEdit() const { return firmware_; }
    QPlainTextEdit* CommentEdit() const { return comment_; }

public slots:
    /// Open mode: shows what the file at `path` holds (empty fields for anything else).
    void ShowFileInfo(const QString& path);

private:
    void BuildPanel();

    Mode mode_;
    QLineEdit* modelName_ = nullptr;
    QLineEdit* range_ = nullptr;
    QLineEdit* firmware_ = nullptr;
    QPlainTextEdit* comment_ = nullptr;
};

} // namespace tav::gui
