#include "gui/app/AppContext.h"

#include "gui/app/DefaultShellDialogs.h"
#include "gui/app/DlgFileChooser.h"
#include "gui/app/HelpSystem.h"
#include "gui/app/RecentFileList.h"
#include "gui/comm/CommRadioDialogs.h"
#include "gui/comm/DialogRunner.h"
#include "gui/controls/DialogHelp.h"
#include "gui/report/ScreenReportDialogs.h"
#include "gui/ui/FileChooser.h"
#include "gui/ui/RadioDialogs.h"

namespace tav::gui {

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

AppContext::AppContext(ProgramHome home, AppEffects effects)
    : historyFolder_(effects.history ? effects.history : &SystemHistoryFolder::Instance()),
      session_(std::make_unique<DocumentSession>(std::move(home), DocumentSession::SettingsOnExit::Write,
                                                 *historyFolder_)),
      effects_(std::move(effects)) {
    // Whatever was not given is the real thing.
    if (!effects_.runner) {
        screenRunner_ = std::make_unique<ExecDialogRunner>();
        effects_.runner = screenRunner_.get();
    }
    if (!effects_.prompts) {
        effects_.prompts = std::make_unique<QtUserPrompts>(
            [this](int id, const QString& fallback) { return ControlText(id, fallback); });
    }
    if (!effects_.files) {
        effects_.files = std::make_unique<DlgFileChooser>(Language());
    }
    if (!effects_.radio) {
        effects_.radio = std::make_unique<CommRadioDialogs>(Settings(), *effects_.prompts, effects_.runner);
    }
    if (!effects_.dialogs) {
        effects_.dialogs = std::make_unique<DefaultShellDialogs>();
    }
    if (!effects_.reports) {
        effects_.reports = std::make_unique<ScreenReportDialogs>();
    }
    if (!effects_.recent) {
        effects_.recent = std::make_unique<RecentFileList>(RecentFileList::DefaultStore());
    }
    help_ = std::make_unique<HelpSystem>(*this);
    // The dialogs' Help buttons open their topics here.
    HelpSystem* help = help_.get();
    SetDialogHelpHandler([help](QWidget*, int topic) { help->ShowFirstOf({topic}); });
}

AppContext::~AppContext() {
    SetDialogHelpHandler({});
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
    effects_.prompts->Tell(parent, Title(), text, icon);
}

void AppContext::TellFailure(QWidget* parent, const Result& result, PromptIcon icon) {
    if (result.ok()) {
        return;
    }
    Tell(parent, result.messageId(), FromLanguage(result.detail()), icon);
}

PromptAnswer AppContext::Ask(QWidget* parent, int messageId, PromptButtons buttons, PromptIcon icon,
                             const QString& fallback) {
    return effects_.prompts->Ask(parent, Title(), Message(messageId, fallback), buttons, icon);
}

} // namespace tav::gui
