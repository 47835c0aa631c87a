#include "gui/app/AppContext.h"

#include "gui/app/DefaultShellDialogs.h"
#include "gui/app/DlgFileChooser.h"
#include "gui/app/HelpSystem.h"
#include "gui/app/RecentFileList.h"
#include "gui/comm/CommRadioDialogs.h"
#include "gui/comm/DialogRunner.h"
#include "gui/controls/DialogHelp.h"
#include "gui/ui/FileChooser.h"
#include "gui/ui/RadioDialogs.h"

namespace tav::gui {
namespace {

/// Questions go to the context's current prompts, even after a test replaced them.
class ForwardingPrompts : public UserPrompts {
public:
    explicit ForwardingPrompts(AppContext& context) : context_(context) {}
    PromptAnswer Ask(QWidget* parent, const QString& caption, const QString& text, PromptButtons buttons,
                     PromptIcon icon) override {
        return context_.Prompts().Ask(parent, caption, text, buttons, icon);
    }

private:
    AppContext& context_;
};

} // namespace

QString FromLanguage(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string ToCore(const QString& text) {
    return text.toUtf8().toStdString();
}

QString FillIn(QString format, const QStringList& values) {
    qsizetype from = 0;
    for (const QString& value : values) {
        qsizetype at = from;
        while ((at = format.indexOf(QLatin1Char('%'), at)) >= 0 && at + 1 < format.size()) {
            const QChar kind = format[at + 1];
            if (kind == QLatin1Char('s') || kind == QLatin1Char('d')) {
                break;
            }
            at += kind == QLatin1Char('%') ? 2 : 1;
        }
        if (at < 0 || at + 1 >= format.size()) {
            break;
        }
        format.replace(at, 2, value);
        from = at + value.size();
    }
    return format;
}

AppContext::AppContext(ProgramHome home)
    : settings_(std::make_unique<CSettings>(std::move(home))), container_(std::make_unique<CDataContainer>()),
      ranges_(std::make_unique<FreqRangeTable>()) {
    CSettings* settings = settings_.get();
    problems_ = std::make_unique<ProblemList>(
        [settings](int controlId) { return settings->Language().IsControlDisabled(controlId) != 0; });
    document_ = std::make_unique<Document>(*settings_, *container_, *ranges_, *problems_);
    prompts_ = std::make_unique<QtUserPrompts>();
    forwardPrompts_ = std::make_unique<ForwardingPrompts>(*this);
    screenRunner_ = std::make_unique<ExecDialogRunner>();
    runner_ = screenRunner_.get();
    files_ = std::make_unique<DlgFileChooser>(settings_->Language());
    MakeRadioDialogs();
    dialogs_ = std::make_unique<DefaultShellDialogs>();
    recent_ = std::make_unique<RecentFileList>(RecentFileList::DefaultStore());
    help_ = std::make_unique<HelpSystem>(*this);
    // The dialogs' Help buttons open their topics here.
    HelpSystem* help = help_.get();
    SetDialogHelpHandler([help](QWidget*, int topic) { help->ShowFirstOf({topic}); });
}

AppContext::~AppContext() {
    SetDialogHelpHandler({});
}

void AppContext::MakeRadioDialogs() {
    auto comm = std::make_unique<CommRadioDialogs>(*settings_, *forwardPrompts_, runner_);
    comm->SetDevice(radioDevice_);
    commDialogs_ = comm.get();
    radio_ = std::move(comm);
}

void AppContext::SetDialogRunner(DialogRunner* runner) {
    runner_ = runner ? runner : screenRunner_.get();
    if (commDialogs_) {
        MakeRadioDialogs();
    }
}

void AppContext::SetRadioDevice(std::optional<std::string> device) {
    radioDevice_ = std::move(device);
    if (commDialogs_) {
        commDialogs_->SetDevice(radioDevice_);
    }
}

void AppContext::SetPrompts(std::unique_ptr<UserPrompts> prompts) {
    prompts_ = std::move(prompts);
}
void AppContext::SetFileChooser(std::unique_ptr<FileChooser> files) {
    files_ = std::move(files);
}
void AppContext::SetRadioDialogs(std::unique_ptr<RadioDialogs> radio) {
    radio_ = std::move(radio);
}
void AppContext::SetShellDialogs(std::unique_ptr<ShellDialogs> dialogs) {
    dialogs_ = std::move(dialogs);
}
void AppContext::SetRecentFiles(std::unique_ptr<RecentFileList> recent) {
    recent_ = std::move(recent);
}

QString AppContext::Message(int n, const QString& fallback) const {
    const std::string text = Language().GetMessageText(n);
    return text.empty() ? fallback : FromLanguage(text);
}

QString AppContext::ControlText(int n, const QString& fallback) const {
    const std::string text = Language().GetControlText(n);
    return text.empty() ? fallback : FromLanguage(text);
}

QString AppContext::Title() const {
    return ControlText(kTitleText, QStringLiteral("TAV Programmer"));
}

void AppContext::Tell(QWidget* parent, int messageId, const QString& detail, PromptIcon icon,
                      const QString& fallback) {
    QString text =
        Message(messageId, fallback.isEmpty() ? QStringLiteral("Error %1.").arg(messageId) : fallback);
    if (!detail.isEmpty()) {
        text += QStringLiteral("\n\n") + detail;
    }
    prompts_->Tell(parent, Title(), text, icon);
}

void AppContext::TellFailure(QWidget* parent, const Result& result, PromptIcon icon) {
    if (result.ok()) {
        return;
    }
    Tell(parent, result.messageId(), FromLanguage(result.detail()), icon);
}

PromptAnswer AppContext::Ask(QWidget* parent, int messageId, PromptButtons buttons, PromptIcon icon,
                             const QString& fallback) {
    return prompts_->Ask(parent, Title(), Message(messageId, fallback), buttons, icon);
}

} // namespace tav::gui
