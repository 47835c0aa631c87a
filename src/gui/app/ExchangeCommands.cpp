#include "gui/app/ExchangeCommands.h"

#include "core/app/DocumentSession.h"
#include "core/compare/ConfigCompare.h"
#include "core/compare/RadioVerify.h"
#include "core/csv/ChannelCsv.h"
#include "core/lang/CachedTextLookup.h"
#include "core/platform/AtomicFile.h"
#include "core/platform/FileAccess.h"
#include "gui/app/AppContext.h"
#include "gui/app/CMainFrame.h"
#include "gui/app/CompareWindow.h"
#include "gui/app/NavigationTree.h"
#include "gui/views/EditorHost.h"

#include <QFileInfo>
#include <filesystem>

namespace tav::gui {
namespace {

/// Message texts of the exchange commands.
namespace ExchangeTexts {
constexpr int kTheRadio = 9531;
constexpr int kRowReason = 3780; ///< "Row %d: %s", as the channel list's paste tells it
constexpr int kExportFailed = 9491;
constexpr int kSummary = 9492;
constexpr int kTakeGoodRows = 9493;
constexpr int kReplaceChannels = 9494;
constexpr int kNothingTaken = 9495;
constexpr int kLogExported = 9497;
constexpr int kLogImported = 9498;
} // namespace ExchangeTexts

/// The refused rows a summary lists before it only counts the rest.
constexpr std::size_t kListedRefusals = 20;

std::filesystem::path PathOf(const QString& path) {
    return std::filesystem::path(path.toStdString());
}

} // namespace

ExchangeCommands::ExchangeCommands(AppContext& context, CMainFrame& frame)
    : context_(context), frame_(frame) {}

CompareWindow* ExchangeCommands::Window() const {
    return window_;
}

void ExchangeCommands::StoreEdits() {
    frame_.StoreAllEditors();
    context_.Container().StoreAll();
}

CompareWindow* ExchangeCommands::CompareWithFile() {
    const std::optional<QString> path = context_.Files().ChooseOpen(&frame_, {});
    if (!path || path->isEmpty()) {
        return nullptr;
    }
    return CompareWithPath(PathOf(*path), QFileInfo(*path).fileName());
}

CompareWindow* ExchangeCommands::CompareWithPath(const std::filesystem::path& file, const QString& name) {
    DocumentSession other(context_.Settings().Home(), DocumentSession::SettingsOnExit::Discard,
                          context_.HistoryIn());
    if (const Result opened = other.Open(file); !opened) {
        context_.TellFailure(&frame_, opened);
        return nullptr;
    }
    return ShowDifferences(other.Container(), DataFileExtras::Read(file), name);
}

CompareWindow* ExchangeCommands::CompareFiles(const std::filesystem::path& first, const QString& firstName,
                                              const std::filesystem::path& second,
                                              const QString& secondName) {
    const ProgramHome& home = context_.Settings().Home();
    DocumentSession one(home, DocumentSession::SettingsOnExit::Discard, context_.HistoryIn());
    DocumentSession two(home, DocumentSession::SettingsOnExit::Discard, context_.HistoryIn());
    for (auto [session, file] : {std::pair{&one, &first}, std::pair{&two, &second}}) {
        if (const Result opened = session->Open(*file); !opened) {
            context_.TellFailure(&frame_, opened);
            return nullptr;
        }
    }
    const ConfigCompare compare(context_.Language());
    std::vector<ConfigDifference> differences = compare.Compare(one.Container(), two.Container());
    for (ConfigDifference& difference :
         compare.CompareFileExtras(DataFileExtras::Read(first), DataFileExtras::Read(second))) {
        differences.push_back(std::move(difference));
    }
    CompareWindow* window = ShowList(std::move(differences), secondName);
    window->SetSideNames(firstName, secondName);
    return window;
}

CompareWindow* ExchangeCommands::CompareWithRadio() {
    DocumentSession other(context_.Settings().Home(), DocumentSession::SettingsOnExit::Discard,
                          context_.HistoryIn());
    other.Settings().SetComPort(context_.Settings().ComPort());
    const TransferReport report = other.ReadKeepingRanges(
        [this](const TransferRequest& request, RadioImage& image) {
            return context_.Radio().Transfer(&frame_, request, image);
        },
        RadioTarget{context_.RadioDevice(), std::nullopt});
    if (!report.ok()) {
        return nullptr; // the communication dialog told why
    }
    StoreEdits();
    // As a verify after writing: the bytes a write does not send (the radio's identity, model,
    // tuning and embedded data) are taken from the radio's side, so only what a write would
    // change is listed.
    std::vector<ConfigDifference> differences =
        RadioVerify(context_.Language(), context_.Settings().IsFactoryLevel())
            .Compare(context_.Container(), other.Container().image());
    return ShowList(std::move(differences),
                    context_.Message(ExchangeTexts::kTheRadio, QStringLiteral("the radio")));
}

CompareWindow* ExchangeCommands::ShowDifferences(const CDataContainer& other,
                                                 const DataFileExtras& otherExtras,
                                                 const QString& otherName) {
    StoreEdits();
    const ConfigCompare compare(context_.Language());
    std::vector<ConfigDifference> differences = compare.Compare(context_.Container(), other);
    for (ConfigDifference& difference :
         compare.CompareFileExtras(context_.Session().SaveExtras(), otherExtras)) {
        differences.push_back(std::move(difference));
    }
    return ShowList(std::move(differences), otherName);
}

CompareWindow* ExchangeCommands::ShowList(std::vector<ConfigDifference> differences,
                                          const QString& otherName) {
    if (window_) {
        window_->close();
        window_->deleteLater();
    }
    window_ = new CompareWindow(context_, std::move(differences), otherName, &frame_);
    window_->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(window_, &CompareWindow::openRequested, &frame_,
                     [this](int viewId, int record) { OpenDifference(viewId, record); });
    window_->show();
    return window_;
}

void ExchangeCommands::OpenDifference(int viewId, int record) {
    NavigationTree* tree = frame_.Tree();
    QTreeWidgetItem* item = record > 0 ? tree->RecordItem(viewId, record) : nullptr;
    if (!item) {
        // A record the edited document does not have (added in the other): its editor opens.
        item = tree->FindItem(viewId);
    }
    tree->OpenItem(item);
    frame_.activateWindow();
}

Result ExchangeCommands::WriteChannels(const std::filesystem::path& file) {
    // A CSV written over the open data file (by its path or a link to it) would lose the document's
    // file, as a report written there would.
    if (const std::filesystem::path& open = context_.Doc().Path(); !open.empty() && SameFile(file, open)) {
        return Result::Fail(ExchangeTexts::kExportFailed, file.string() + ": the open data file");
    }
    return WriteFileAtomically(file, ExportChannelCsv(context_.Container(), context_.Language()));
}

bool ExchangeCommands::ExportChannels() {
    const std::optional<QString> path = context_.Files().ChooseCsv(&frame_, true, {});
    if (!path || path->isEmpty()) {
        return false;
    }
    StoreEdits();
    if (const Result written = WriteChannels(PathOf(*path)); !written) {
        const QString reason =
            FillIn(context_.Message(ExchangeTexts::kExportFailed,
                                    QStringLiteral("The channels could not be written to %s.")),
                   {*path});
        context_.Prompts().Tell(&frame_, context_.Title(),
                                reason + QStringLiteral("\n\n") + FromLanguage(written.detail()),
                                PromptIcon::Warning);
        return false;
    }
    frame_.Log(FillIn(
        context_.Message(ExchangeTexts::kLogExported, QStringLiteral("Channels exported to %s")), {*path}));
    return true;
}

QString ExchangeCommands::ImportSummary(const ChannelImportReport& report) const {
    namespace T = ExchangeTexts;
    QString text = FillIn(context_.Message(T::kSummary, QStringLiteral("%d rows taken, %d refused.")),
                          {QString::number(report.taken), QString::number(report.refused.size())});
    const QString rowFormat = context_.Message(T::kRowReason, QStringLiteral("Row %d: %s"));
    for (std::size_t k = 0; k < report.refused.size() && k < kListedRefusals; ++k) {
        text += QLatin1Char('\n') + FillIn(rowFormat, {QString::number(report.refused[k].row),
                                                       FromLanguage(report.refused[k].reason)});
    }
    if (report.refused.size() > kListedRefusals) {
        text += QStringLiteral("\n\u2026");
    }
    return text;
}

bool ExchangeCommands::ImportChannels() {
    namespace T = ExchangeTexts;
    const std::optional<QString> path = context_.Files().ChooseCsv(&frame_, false, {});
    if (!path || path->isEmpty()) {
        return false;
    }
    const Outcome<std::string> csv = ReadChannelCsvFile(PathOf(*path));
    if (!csv) {
        context_.Prompts().Tell(
            &frame_, context_.Title(),
            FillIn(context_.Message(csv.messageId(), QStringLiteral("The file could not be read: %s")),
                   {FromLanguage(csv.result().detail())}),
            PromptIcon::Warning);
        return false;
    }
    StoreEdits();
    CDataContainer& container = context_.Container();
    const std::size_t before = container.Channels().Count();
    // Every row is checked with the same few texts: they are read from the language file once.
    const CachedTextLookup texts(context_.Language());
    const ChannelImportReport check = CheckChannelCsv(*csv, container, texts);
    const QString summary = ImportSummary(check);
    if (check.taken == 0) {
        context_.Prompts().Tell(
            &frame_, context_.Title(),
            summary + QStringLiteral("\n\n") +
                context_.Message(T::kNothingTaken, QStringLiteral("No row of the file could "
                                                                  "be taken; the channels are "
                                                                  "unchanged.")),
            PromptIcon::Warning);
        return false;
    }
    // Replacing the channels cannot be undone: the user says so first, and with refused rows
    // chooses between the good rows and nothing.
    const QString question =
        check.refused.empty()
            ? FillIn(context_.Message(T::kReplaceChannels,
                                      QStringLiteral("Replace the channels by the %d rows of the file? This "
                                                     "cannot be undone.")),
                     {QString::number(check.taken)})
            : FillIn(
                  context_.Message(T::kTakeGoodRows, QStringLiteral("%d rows were refused. Take the %d good "
                                                                    "rows and replace the channels? This "
                                                                    "cannot be undone.")),
                  {QString::number(check.refused.size()), QString::number(check.taken)});
    const PromptAnswer answer = context_.Prompts().Ask(
        &frame_, context_.Title(), summary + QStringLiteral("\n\n") + question, PromptButtons::YesNo,
        check.refused.empty() ? PromptIcon::Question : PromptIcon::Warning);
    if (answer != PromptAnswer::Yes) {
        return false;
    }
    if (!ImportChannelCsv(*csv, container, texts, true).applied) {
        return false;
    }
    // The open editors and the tree follow the new list as after any change of the channel list.
    RecordListNotice notice;
    notice.sender = this;
    notice.command = container.Channels().Count() < before ? NavigateCommand::Delete : NavigateCommand::Add;
    frame_.DataChanged(EditorMessages::kRecordListChanged, &notice);
    frame_.Log(
        FillIn(context_.Message(T::kLogImported, QStringLiteral("Channels imported from %s")), {*path}));
    return true;
}

} // namespace tav::gui
