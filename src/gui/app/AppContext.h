#pragma once

#include "core/app/CDataContainer.h"
#include "core/app/CSettings.h"
#include "core/app/Document.h"
#include "core/app/FreqRangeTable.h"
#include "core/data/ProblemList.h"
#include "core/util/Result.h"
#include "gui/ui/UserPrompts.h"

#include <QString>
#include <QStringList>
#include <memory>
#include <optional>
#include <string>

namespace tav::gui {

class CommRadioDialogs;
class DialogRunner;
class FileChooser;
class HelpSystem;
class RadioDialogs;
class RecentFileList;
class ShellDialogs;

/// What the desktop program's windows share for the whole run: the settings (with the language),
/// the data container, the frequency-range table, the problem list and the document, and the
/// outside effects the windows go through (questions, file dialogs, the radio and settings dialogs,
/// the recent-file list, help). Tests build one on a temporary program folder and put doubles in.
class AppContext {
public:
    /// Title of the program (control text 128) and the caption of every message box.
    static constexpr int kTitleText = 128;

    /// Reads the settings of `home`; the outside effects start as the real ones (message boxes,
    /// file dialogs, the recent-file list in the user's settings) and stand-ins for the dialogs
    /// that are not built in (radio, model information, language).
    explicit AppContext(ProgramHome home);
    ~AppContext();
    AppContext(const AppContext&) = delete;
    AppContext& operator=(const AppContext&) = delete;

    CSettings& Settings() { return *settings_; }
    CLanguage& Language() { return settings_->Language(); }
    const CLanguage& Language() const { return settings_->Language(); }
    CDataContainer& Container() { return *container_; }
    FreqRangeTable& Ranges() { return *ranges_; }
    ProblemList& Problems() { return *problems_; }
    Document& Doc() { return *document_; }

    UserPrompts& Prompts() { return *prompts_; }
    void SetPrompts(std::unique_ptr<UserPrompts> prompts);
    /// Runs the modal dialogs of the settings and radio commands (on the screen unless a test puts
    /// a runner in place; the runner must outlive the context).
    DialogRunner& Runner() { return *runner_; }
    void SetDialogRunner(DialogRunner* runner);
    /// The device the radio dialogs use instead of the port table (a simulated radio).
    void SetRadioDevice(std::optional<std::string> device);
    const std::optional<std::string>& RadioDevice() const { return radioDevice_; }
    FileChooser& Files() { return *files_; }
    void SetFileChooser(std::unique_ptr<FileChooser> files);
    RadioDialogs& Radio() { return *radio_; }
    void SetRadioDialogs(std::unique_ptr<RadioDialogs> radio);
    ShellDialogs& Dialogs() { return *dialogs_; }
    void SetShellDialogs(std::unique_ptr<ShellDialogs> dialogs);
    RecentFileList& Recent() { return *recent_; }
    void SetRecentFiles(std::unique_ptr<RecentFileList> recent);
    HelpSystem& Help() { return *help_; }

    /// Message text n (group S01); `fallback` when the language file has none.
    QString Message(int n, const QString& fallback = {}) const;
    /// Control, caption or menu text n (group S02); `fallback` when the language file has none.
    QString ControlText(int n, const QString& fallback = {}) const;
    /// The program's title.
    QString Title() const;

    /// Shows message text n in a message box with the program's title; a detail (a path, a
    /// reason) goes on a line of its own.
    void Tell(QWidget* parent, int messageId, const QString& detail = {},
              PromptIcon icon = PromptIcon::Warning, const QString& fallback = {});
    /// Shows the message of a failed result (nothing for a success).
    void TellFailure(QWidget* parent, const Result& result, PromptIcon icon = PromptIcon::Warning);
    /// Asks message text n with the program's title.
    PromptAnswer Ask(QWidget* parent, int messageId, PromptButtons buttons, PromptIcon icon,
                     const QString& fallback = {});

private:
    std::unique_ptr<CSettings> settings_;
    std::unique_ptr<CDataContainer> container_;
    std::unique_ptr<FreqRangeTable> ranges_;
    std::unique_ptr<ProblemList> problems_;
    std::unique_ptr<Document> document_;
    void MakeRadioDialogs();

    std::unique_ptr<UserPrompts> prompts_;
    /// Passes questions on to whatever `prompts_` is now, for the dialogs that keep a reference.
    std::unique_ptr<UserPrompts> forwardPrompts_;
    std::unique_ptr<DialogRunner> screenRunner_;
    DialogRunner* runner_ = nullptr;
    std::optional<std::string> radioDevice_;
    CommRadioDialogs* commDialogs_ = nullptr;
    std::unique_ptr<FileChooser> files_;
    std::unique_ptr<RadioDialogs> radio_;
    std::unique_ptr<ShellDialogs> dialogs_;
    std::unique_ptr<RecentFileList> recent_;
    std::unique_ptr<HelpSystem> help_;
};

/// A language text as Qt text (the language files are UTF-8).
QString FromLanguage(const std::string& text);
/// A Qt text for the core (UTF-8).
std::string ToCore(const QString& text);
/// A language text with its "%s" and "%d" places filled in order by `values` (places without a
/// value stay as they are).
QString FillIn(QString format, const QStringList& values);

} // namespace tav::gui
