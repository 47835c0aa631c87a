#pragma once

#include "core/app/DocumentSession.h"
#include "core/util/Result.h"
#include "gui/app/RecentFileList.h"
#include "gui/app/ShellDialogs.h"
#include "gui/report/ReportDialogs.h"
#include "gui/ui/FileChooser.h"
#include "gui/ui/RadioDialogs.h"
#include "gui/ui/UserPrompts.h"

#include <QString>
#include <QStringList>
#include <memory>
#include <optional>
#include <string>

namespace tav::gui {

class DialogRunner;
class HelpSystem;

/// The outside effects the desktop program's windows go through. Each one left empty is the real
/// one: message boxes, file dialogs, the communication and settings dialogs on the screen, the
/// recent-file list in the user's settings. Tests fill in stand-ins answered in advance.
struct AppEffects {
    std::unique_ptr<UserPrompts> prompts;
    std::unique_ptr<FileChooser> files;
    std::unique_ptr<RadioDialogs> radio;
    std::unique_ptr<ShellDialogs> dialogs;
    std::unique_ptr<RecentFileList> recent;
    /// The print-selection, printer, preview and report-file dialogs.
    std::unique_ptr<ReportDialogs> reports{};
    /// Runs the modal dialogs of the settings and radio commands; must outlive the context.
    DialogRunner* runner = nullptr;
    /// Where the radio history is kept (the user's data folder when null); must outlive the context.
    const HistoryFolder* history = nullptr;
};

/// What the desktop program's windows share for the whole run: the document session (the settings
/// with the language, the data container, the frequency-range table, the problem list and the
/// document, whose settings are written back at the end), and the outside effects the windows go through
/// (questions, file dialogs, the radio and settings dialogs, the recent-file list, help), given when it is
/// built.
class AppContext {
public:
    /// Title of the program (control text 128) and the caption of every message box.
    static constexpr int kTitleText = 128;

    /// Reads the settings of `home`; the effects not given are the real ones.
    explicit AppContext(ProgramHome home, AppEffects effects = {});
    ~AppContext();
    AppContext(const AppContext&) = delete;
    AppContext& operator=(const AppContext&) = delete;

    DocumentSession& Session() { return *session_; }
    CSettings& Settings() { return session_->Settings(); }
    CLanguage& Language() { return session_->Language(); }
    const CLanguage& Language() const { return session_->Language(); }
    CDataContainer& Container() { return session_->Container(); }
    FreqRangeTable& Ranges() { return session_->Ranges(); }
    ProblemList& Problems() { return session_->Problems(); }
    Document& Doc() { return session_->Doc(); }

    UserPrompts& Prompts() { return *effects_.prompts; }
    /// Runs the modal dialogs of the settings and radio commands.
    DialogRunner& Runner() { return *effects_.runner; }
    /// The device Read and Write use instead of the port table (a simulated radio).
    void SetRadioDevice(std::optional<std::string> device) { radioDevice_ = std::move(device); }
    const std::optional<std::string>& RadioDevice() const { return radioDevice_; }
    FileChooser& Files() { return *effects_.files; }
    RadioDialogs& Radio() { return *effects_.radio; }
    /// The folder of the radio history, for the documents opened beside the edited one.
    const HistoryFolder& HistoryIn() const { return *historyFolder_; }
    ShellDialogs& Dialogs() { return *effects_.dialogs; }
    RecentFileList& Recent() { return *effects_.recent; }
    ReportDialogs& Reports() { return *effects_.reports; }
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
    const HistoryFolder* historyFolder_;
    std::unique_ptr<DocumentSession> session_;
    std::unique_ptr<DialogRunner> screenRunner_;
    AppEffects effects_;
    std::optional<std::string> radioDevice_;
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
