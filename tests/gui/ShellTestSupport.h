#pragma once

// Shared pieces of the desktop program's tests: a private program folder, a context whose outside
// effects are all stand-ins answered in advance, and small editors bound to real data.

#include "core/app/CDataContainer.h"
#include "core/app/ViewTable.h"
#include "core/data/CDataFile.h"
#include "core/data/ChannelData.h"
#include "core/data/FreqCodec.h"
#include "core/data/RecordNavigator.h"
#include "gui/app/AppContext.h"
#include "gui/app/DocumentUndo.h"
#include "gui/app/RecentFileList.h"
#include "gui/app/ShellDialogs.h"
#include "gui/ui/FileChooser.h"
#include "gui/ui/RadioDialogs.h"
#include "gui/ui/UserPrompts.h"
#include "gui/views/CCustomFormView.h"
#include "gui/views/CTAVPropertyPage.h"
#include "support/ScriptedDialogRunner.h"
#include "support/ScriptedFileChooser.h"
#include "support/ScriptedPrompts.h"
#include "support/ScriptedReportDialogs.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSettings>
#include <QtTest>
#include <deque>
#include <filesystem>
#include <functional>
#include <memory>

namespace tav::gui::test {

namespace fs = std::filesystem;

/// A program folder with the shipped files (language file, model list, default data, help pages).
class TestHome {
public:
    explicit TestHome(int userLevel = 0) {
        const fs::path shipped(TAV_HOME_DIR);
        for (const auto& entry : fs::directory_iterator(shipped)) {
            const std::string name = entry.path().filename().string();
            const bool data = name.ends_with(".lng") || name.ends_with(".dat") || name.ends_with(".ini") ||
                              name.ends_with(".jpg");
            if (entry.is_regular_file() && data && name != "Settings.ini") {
                fs::copy_file(entry.path(), dir_ / name);
            }
        }
        fs::copy(fs::path(TAV_RESOURCE_DIR) / "help", dir_ / "help", fs::copy_options::recursive);
        tav::test::WriteText(dir_ / "Settings.ini", "[Setting]\nModelName=TAV 310\nModelID=TAV-V300\n"
                                                    "FreqRange=136-174\n[User Mode]\nLevel=" +
                                                        std::to_string(userLevel) + "\n");
    }
    const fs::path& path() const { return dir_.path(); }
    fs::path operator/(const std::string& name) const { return dir_ / name; }

private:
    tav::test::TempDir dir_;
};

/// The communication dialog, answered in advance: each transfer ends with the next queued report
/// (with no report left the dialog counts as closed before anything was sent). A completed read
/// hands over the answer's bytes, a completed write goes through `stamp` as a radio stamps the date.
class ScriptedRadioDialogs : public RadioDialogs {
public:
    struct Answer {
        TransferReport report;
        RadioImage bytes{};
        /// What the radio held before a write that backs it up first (handed to the radio commands
        /// as the transfer would hand it over).
        std::optional<RadioImage> backup{};
    };
    std::deque<Answer> answers;
    std::vector<TransferRequest> requests;
    int writeCount = 0;
    Image lastWritten = BlankImage();
    std::function<void(Image&)> stamp;
    bool portChosen = false;

    TransferReport Transfer(QWidget*, const TransferRequest& request, RadioImage& image) override {
        requests.push_back(request);
        const bool write = request.direction == TransferDirection::Write;
        if (write) {
            ++writeCount;
            lastWritten = image;
        }
        if (answers.empty()) {
            TransferReport cancelled;
            cancelled.status = TransferStatus::Cancelled;
            return cancelled;
        }
        Answer next = std::move(answers.front());
        answers.pop_front();
        if (write && request.backupFirst && next.backup) {
            next.report.backup = next.backup;
            next.report.serial =
                SerialNumberText(std::span<const std::uint8_t>(*next.backup).subspan(0x48, 16));
            if (request.backupTaken) {
                request.backupTaken(next.report, *next.backup);
            }
        }
        if (next.report.ok() && !write) {
            image = next.bytes;
        } else if (next.report.ok() && stamp) {
            stamp(image);
        }
        return next.report;
    }
    bool ChoosePort(QWidget*) override { return portChosen; }
    /// "Verify after writing" as the last write's dialog left it.
    bool verify = false;
    bool VerifyAfterWrite() const override { return verify; }
    /// "Back up the radio first".
    bool backup = false;
    bool BackupBeforeWrite() const override { return backup; }
};

/// The report of a transfer with a radio of this identity and band that ended as `status`.
inline TransferReport RadioReport(TransferStatus status, const std::string& modelId,
                                  const std::string& modelName, int lowMHz, int highMHz,
                                  std::uint8_t flag = 0x80) {
    TransferReport report;
    report.status = status;
    report.identified = true;
    report.identityAccepted = status == TransferStatus::Completed || status == TransferStatus::BlockFailed;
    report.identity.modelId = modelId;
    report.identity.modelName = modelName;
    report.identity.firmware = "1.04.02";
    report.band.lowMHz = lowMHz;
    report.band.highMHz = highMHz;
    report.band.flag = flag;
    return report;
}

/// The settings dialogs, answered in advance.
class ScriptedShellDialogs : public ShellDialogs {
public:
    std::optional<ModelChoice> model;
    std::optional<int> language;
    int abouts = 0;

    std::optional<ModelChoice> ModelInformation(QWidget*, AppContext&) override { return model; }
    std::optional<int> ChooseLanguage(QWidget*, AppContext&) override { return language; }
    void About(QWidget*, AppContext&) override { ++abouts; }
    bool RunFactoryCommand(QWidget*, AppContext&, int) override { return false; }
};

/// A context on a private program folder whose every outside effect is a stand-in.
struct TestContext {
    /// `runner` answers the modal dialogs of the settings and factory commands (on the screen when
    /// null); it must outlive the context.
    explicit TestContext(int userLevel = 0, DialogRunner* runner = nullptr) : home(userLevel) {
        AppEffects effects;
        effects.prompts = Keep(prompts);
        effects.files = Keep(files);
        effects.radio = Keep(radio);
        effects.dialogs = Keep(dialogs);
        effects.reports = Keep(reports);
        effects.runner = runner;
        effects.history = &historyFolder;
        effects.recent = std::make_unique<RecentFileList>(std::make_unique<QSettings>(
            QString::fromStdString((home / "recent.ini").string()), QSettings::IniFormat));
        context = std::make_unique<AppContext>(ProgramHome(home.path()), std::move(effects));
        // The data of a new document, as at start-up.
        DocumentViews none;
        if (const Result made = context->Doc().New(none); !made) {
            qWarning("new document: message %d", made.messageId());
        }
    }
    ~TestContext() {
        // The test's settings stay in its own folder.
        context.reset();
    }

    /// A new stand-in that the context will own; `seen` keeps a pointer for the test.
    template <class T> static std::unique_ptr<T> Keep(T*& seen) {
        auto made = std::make_unique<T>();
        seen = made.get();
        return made;
    }

    AppContext& operator*() { return *context; }
    AppContext* operator->() { return context.get(); }
    QString Path(const std::string& name) const { return QString::fromStdString((home / name).string()); }

    TestHome home;
    /// The radio history of the run, in a folder of the test's own.
    tav::test::TempDir historyDir;
    FixedHistoryFolder historyFolder{historyDir / "history"};
    std::unique_ptr<AppContext> context;
    ScriptedPrompts* prompts = nullptr;
    ScriptedFileChooser* files = nullptr;
    ScriptedRadioDialogs* radio = nullptr;
    ScriptedShellDialogs* dialogs = nullptr;
    ScriptedReportDialogs* reports = nullptr;
};

/// Control ids of the test editors.
inline constexpr int kFreqEdit = 9501;
inline constexpr int kScanCheck = 9502;
inline constexpr int kPowerCombo = 9503;
inline constexpr int kStaticLabel = 9504;
inline constexpr int kTestTemplate = 9500;

/// A record editor over the channels: the receive frequency in an edit, "auto start scan" in a
/// check box and the power in a drop-down. It counts what the protocol does to it.
class ChannelTestView : public CCustomFormView {
public:
    ChannelTestView(AppContext& context, EditorHost* host, QWidget* parent = nullptr)
        : CCustomFormView(context, host, kTestTemplate, parent) {
        const DialogTemplate dialog{kTestTemplate,
                                    QStringLiteral("Channel"),
                                    {{kStaticLabel, ControlKind::Label, QStringLiteral("RX"), 0, 0},
                                     {kFreqEdit, ControlKind::Edit, {}, 0, 1},
                                     {kScanCheck, ControlKind::CheckBox, QStringLiteral("Scan"), 1, 1},
                                     {kPowerCombo, ControlKind::ComboBox, {}, 2, 1}}};
        BuildForm(dialog);
        auto* combo = Combo();
        combo->addItems({QStringLiteral("Low"), QStringLiteral("Middle"), QStringLiteral("High")});
    }

    QLineEdit* Edit() const { return qobject_cast<QLineEdit*>(Control(kFreqEdit)); }
    QCheckBox* Check() const { return qobject_cast<QCheckBox*>(Control(kScanCheck)); }
    QComboBox* Combo() const { return qobject_cast<QComboBox*>(Control(kPowerCombo)); }

    ChannelData* Current() const {
        return current_ ? Context().Container().Channels().Find(*current_) : nullptr;
    }

    void LoadView() override {
        ++loads;
        if (ChannelData* channel = Current(); channel && Edit() && Check()) {
            Edit()->setText(QString::fromStdString(FormatFreq(BcdToFreq(channel->RxFreq()))));
            Check()->setChecked(channel->AutoStartScan());
        }
    }
    void StoreView() override {
        ++stores;
        ChannelData* channel = Current();
        if (!channel || !Edit() || !Check()) {
            return;
        }
        ChannelUi ui;
        const auto& language = Context().Language();
        channel->LoadUi(ui, language);
        ui.rxFreq = FreqToBcd(ParseFreq(Edit()->text().toStdString()));
        channel->StoreUi(ui, language, Context().Container().Context());
        channel->SetAutoStartScan(Check()->isChecked());
    }
    void NavigateRecord(int recordNumber, NavigateCommand command) override {
        StoreView();
        auto& channels = Context().Container().Channels();
        current_ =
            tav::NavigateRecord<ChannelData>(channels, current_, command, recordNumber, [this, &channels] {
                return Context().Container().MakeChannel(channels.Count());
            });
        LoadView();
        SendRecordListChanged(command);
    }
    std::optional<RecordPosition> Position() const override {
        const int count = static_cast<int>(Context().Container().Channels().Count());
        return RecordPosition{current_ ? static_cast<int>(*current_) + 1 : 0, count};
    }
    void DataChanged(std::uint32_t wParam, const RecordListNotice* notice) override {
        received.push_back({wParam, notice ? notice->command : NavigateCommand::First});
    }
    void OnControlChanged(int controlId, int code) override { reactions.push_back({controlId, code}); }

    int loads = 0;
    int stores = 0;
    std::vector<std::pair<std::uint32_t, NavigateCommand>> received;
    std::vector<std::pair<int, int>> reactions;

private:
    std::optional<std::size_t> current_ = 0;
};

/// Registers the channel test editor in place of the channel editor.
template <class Frame> void UseChannelTestView(Frame& frame) {
    frame.Views().Register(ViewIds::kChannel, [](AppContext& context, EditorHost& host, QWidget* parent) {
        return new ChannelTestView(context, &host, parent);
    });
}

/// Counts the host's DataChanged calls.
class CountingHost : public EditorHost {
public:
    void DataChanged(std::uint32_t wParam, const RecordListNotice* notice) override {
        calls.push_back({wParam, notice != nullptr});
    }
    std::vector<std::pair<std::uint32_t, bool>> calls;
};

/// An editor host with the document's one undo history, as the main window has it: each change
/// an editor tells of becomes a step, and a step taken back reloads the editor being tried.
class UndoHost : public CountingHost {
public:
    explicit UndoHost(AppContext& context)
        : history_(context, {{}, [this](const ChangeDescription&) { Reload(); }}) {}
    void DataChanged(std::uint32_t wParam, const RecordListNotice* notice) override {
        CountingHost::DataChanged(wParam, notice);
        history_.NoteChange();
    }
    void UndoEdit() override { history_.Undo(); }
    void RedoEdit() override { history_.Redo(); }
    void SetEditor(CCustomFormView* editor) { editor_ = editor; }
    DocumentUndo& History() { return history_; }

private:
    void Reload() {
        if (editor_) {
            RecordListNotice notice;
            notice.sender = this;
            editor_->DataChanged(EditorMessages::kRecordListChanged, &notice);
            editor_->LoadView();
        }
    }

    DocumentUndo history_;
    CCustomFormView* editor_ = nullptr;
};

/// Shows a window and waits until it is active, so that focus moves as it does for a user.
/// The receive frequency of channel `k` of a data file (0 when it cannot be read).
inline std::uint32_t ChannelRxInFile(const std::filesystem::path& file, std::size_t k) {
    DataFileContent content;
    if (!CDataFile::Load(file, content)) {
        return 0;
    }
    CDataContainer container;
    container.image() = content.image;
    container.LoadAll();
    return k < container.Channels().Count() ? container.Channels().At(k).RxFreq() : 0;
}

inline bool ShowActive(QWidget* window) {
    window->show();
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

} // namespace tav::gui::test
