// The desktop program in Chinese: the Language command relabels the running frame (title, menus,
// tree, bars, help) from TAV_S.lng and back, help pages come from the language's own folder with
// the shared folder as fall-back, and nothing the frame or an editor shows is left in English.
#include "EditorWalk.h"
#include "ShellTestSupport.h"
#include "core/platform/PrivateProfile.h"
#include "gui/app/AboutBox.h"
#include "gui/app/CChildFrame.h"
#include "gui/app/CMainFrame.h"
#include "gui/app/DlgFile.h"
#include "gui/app/DlgLanguage.h"
#include "gui/app/DlgModelInfo.h"
#include "gui/app/HelpSystem.h"
#include "gui/app/NavigationTree.h"
#include "gui/comm/CDlgComPort.h"
#include "gui/comm/CDlgNote.h"
#include "gui/comm/CDlgPassword.h"
#include "gui/ui/UserPrompts.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QDockWidget>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>

using namespace tav;
using namespace tav::gui;
using namespace tav::gui::test;

namespace {

/// The tree's channels folder.
constexpr int kChannelsItem = 32821;

/// A control text of a language file in the program folder.
QString FileText(const fs::path& file, int id) {
    return QString::fromStdString(
        PrivateProfile::ReadString(file, "Setting", CLanguage::Key("S02", id), {}, 25600));
}

/// Words that read the same in a Chinese program: units, codes and names of radio signalling.
bool IsKeptWord(const QString& word) {
    static const QStringList kept = {"TAV", "MHz",  "kHz", "COM",  "CTCSS", "CDCSS",   "VOX", "DTMF",
                                     "DOS", "ATIS", "PTT", "BOT",  "EOT",   "WAV",     "LCD", "UHF",
                                     "VHF", "RSSI", "VCO", "PLL",  "LED",   "English", "dat", "CSV",
                                     "csv", "PDF",  "pdf", "HTML", "html"};
    return kept.contains(word);
}

/// The English words of a text (runs of three or more Latin letters that are not kept words);
/// device and file paths are names, not words.
QStringList EnglishWords(QString text) {
    text.remove(QRegularExpression(QStringLiteral("/\\S*")));
    text.remove(QLatin1Char('&')); // an access key's mark is no letter of a word
    QStringList words;
    static const QRegularExpression run(QStringLiteral("[A-Za-z]{3,}"));
    for (auto it = run.globalMatch(text); it.hasNext();) {
        const QString word = it.next().captured();
        if (!IsKeptWord(word)) {
            words << word;
        }
    }
    return words;
}

template <class Widget> QList<Widget*> ShownChildren(QWidget* root) {
    QList<Widget*> shown;
    for (Widget* child : root->findChildren<Widget*>()) {
        if (child->isVisibleTo(root)) {
            shown << child;
        }
    }
    return shown;
}

/// Every text a window shows to the user: captions, labels, buttons, list items, headings, menu
/// and tool texts with their status tips, tree items.
QStringList ShownTexts(QWidget* root) {
    QStringList texts{root->windowTitle()};
    for (QLabel* label : ShownChildren<QLabel>(root)) {
        texts << label->text();
    }
    for (QAbstractButton* button : ShownChildren<QAbstractButton>(root)) {
        if (!qobject_cast<QToolButton*>(button) || !button->text().isEmpty()) {
            texts << button->text();
        }
    }
    for (QGroupBox* box : ShownChildren<QGroupBox>(root)) {
        texts << box->title();
    }
    for (QComboBox* combo : ShownChildren<QComboBox>(root)) {
        for (int i = 0; i < combo->count(); ++i) {
            texts << combo->itemText(i);
        }
    }
    for (QTabWidget* tabs : ShownChildren<QTabWidget>(root)) {
        for (int i = 0; i < tabs->count(); ++i) {
            texts << tabs->tabText(i);
        }
    }
    for (QDockWidget* dock : ShownChildren<QDockWidget>(root)) {
        texts << dock->windowTitle();
    }
    for (QAbstractItemView* view : ShownChildren<QAbstractItemView>(root)) {
        if (QAbstractItemModel* model = view->model()) {
            for (int c = 0; c < model->columnCount(); ++c) {
                texts << model->headerData(c, Qt::Horizontal).toString();
            }
        }
    }
    for (QAction* action : root->findChildren<QAction*>()) {
        if (action->isVisible() && !action->isSeparator() && action->toolTip() != action->statusTip()) {
            texts << action->text() << action->statusTip();
        }
    }
    return texts;
}

} // namespace

class ChineseFrameTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void languageCommandRelabelsTheFrameAndBack();
    void helpPagesComeFromTheLanguagesFolder();
    void nothingShownIsLeftInEnglish();
    void messageBoxButtonsSpeakTheLanguage();

private:
    void SwitchTo(int index);
    CMainFrame& Frame() { return *frame_; }
    fs::path Chinese() const { return ctx_->home / "TAV_S.lng"; }

    std::unique_ptr<TestContext> ctx_;
    std::unique_ptr<CMainFrame> frame_;
};

void ChineseFrameTest::init() {
    ctx_ = std::make_unique<TestContext>();
    frame_ = std::make_unique<CMainFrame>(**ctx_);
}

void ChineseFrameTest::cleanup() {
    frame_.reset();
    ctx_.reset();
}

void ChineseFrameTest::SwitchTo(int index) {
    ctx_->dialogs->language = index;
    QVERIFY(Frame().RunCommand(Commands::kLanguage));
    QCOMPARE(ctx_->context->Settings().LanguageIndex(), index);
    // The menus of the language before go at the next turn of the event loop.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void ChineseFrameTest::languageCommandRelabelsTheFrameAndBack() {
    QVERIFY(fs::is_regular_file(Chinese()));
    SwitchTo(1);
    QVERIFY(ctx_->prompts->asked().empty());
    QCOMPARE(Frame().windowTitle(), FileText(Chinese(), 128) + QStringLiteral("[*]"));
    QCOMPARE(Frame().windowTitle(), QStringLiteral("TAV 写频软件[*]"));
    const QList<QAction*> tops = Frame().menuBar()->actions();
    QCOMPARE(tops.size(), 7);
    for (int position = 0; position < tops.size(); ++position) {
        QCOMPARE(tops[position]->text(), FileText(Chinese(), 32790 + position));
    }
    for (const int id :
         {Commands::kNew, Commands::kOpen, Commands::kRead, Commands::kLanguage, Commands::kAbout}) {
        QCOMPARE(Frame().Action(id)->text(), FileText(Chinese(), id));
    }
    // The Edit menu and the tree are rebuilt from the Chinese texts.
    // The Edit menu's items carry access keys of their own: "(&A)" after the Chinese text.
    QVERIFY(Frame().Action(ViewIds::kRadio)->text().startsWith(FileText(Chinese(), ViewIds::kRadio)));
    QTreeWidgetItem* channels = Frame().Tree()->FindItem(kChannelsItem);
    QVERIFY(channels);
    QCOMPARE(channels->text(0), FileText(Chinese(), kChannelsItem));
    QCOMPARE(Frame().Tree()->RecordItemCount(ViewIds::kChannel), 16);
    QCOMPARE(Frame().TreeBar()->windowTitle(), FileText(Chinese(), 9301));
    QVERIFY(tav::test::ReadText(ctx_->home / "Settings.ini").find("Language=1") != std::string::npos);

    SwitchTo(0);
    QCOMPARE(Frame().windowTitle(), QStringLiteral("TAV Programmer[*]"));
    QCOMPARE(Frame().menuBar()->actions().front()->text(), QStringLiteral("&File"));
    QCOMPARE(Frame().Tree()->FindItem(kChannelsItem)->text(0), QStringLiteral("Channels"));
}

void ChineseFrameTest::helpPagesComeFromTheLanguagesFolder() {
    fs::create_directory(ctx_->home / "help_S");
    tav::test::WriteText(ctx_->home / "help_S" / "index.html", "<p>目录</p>");
    HelpSystem& help = ctx_->context->Help();
    help.ShowDefault();
    QVERIFY(help.LastShown().endsWith(QStringLiteral("/help/index.html")));

    SwitchTo(1);
    QVERIFY(!help.Window()); // the English viewer went with the language
    help.ShowDefault();
    QVERIFY(help.LastShown().endsWith(QStringLiteral("/help_S/index.html")));
    QCOMPARE(help.Window()->windowTitle(), FileText(Chinese(), 9304));
    QStringList tools;
    for (QAction* action : help.Window()->findChildren<QToolBar*>().front()->actions()) {
        tools << action->text();
    }
    QCOMPARE(tools,
             (QStringList{FileText(Chinese(), 9306), FileText(Chinese(), 9307), FileText(Chinese(), 9308)}));
    // A page the language has not got yet is shown from the shared folder.
    QVERIFY(help.ShowTopic(1037));
    QVERIFY(help.LastShown().endsWith(QStringLiteral("/help/1037.html")));
}

void ChineseFrameTest::nothingShownIsLeftInEnglish() {
    SwitchTo(1);
    QStringList english;
    const auto check = [&english](const QString& where, const QStringList& texts) {
        for (const QString& text : texts) {
            if (!EnglishWords(text).isEmpty()) {
                english << where + QStringLiteral(": ") + text;
            }
        }
    };
    check(QStringLiteral("frame"), ShownTexts(&Frame()));
    for (QAction* top : Frame().menuBar()->actions()) {
        check(QStringLiteral("menu"), ShownTexts(top->menu()));
    }
    OpenEveryEditor(Frame());
    QVERIFY(Frame().EditorFrames().size() > 10);
    for (CChildFrame* frame : Frame().EditorFrames()) {
        check(frame->windowTitle(), ShownTexts(frame));
    }
    // The dialogs of the settings, the radio link and the files.
    CSettings& settings = ctx_->context->Settings();
    const CLanguage& language = settings.Language();
    const std::vector<PortEntry> ports{{1, "/dev/ttyUSB0", "USB serial", PortError::NotPresent}};
    std::vector<std::unique_ptr<QWidget>> dialogs;
    dialogs.push_back(std::make_unique<DlgLanguage>(settings));
    dialogs.push_back(std::make_unique<DlgModelInfo>(settings));
    dialogs.push_back(std::make_unique<AboutBox>(**ctx_));
    dialogs.push_back(std::make_unique<CDlgNote>(1180, language));
    dialogs.push_back(std::make_unique<CDlgPassword>(CDlgPassword::kInputDialog, 8, language));
    dialogs.push_back(std::make_unique<CDlgComPort>(ports, 1, language));
    for (const auto& dialog : dialogs) {
        check(dialog->windowTitle(), ShownTexts(dialog.get()));
    }
    CDlgFile file(CDlgFile::Mode::Open, language, ctx_->Path(""));
    QStringList fileTexts{file.windowTitle()};
    for (const auto label : {QFileDialog::LookIn, QFileDialog::FileName, QFileDialog::FileType,
                             QFileDialog::Accept, QFileDialog::Reject}) {
        fileTexts << file.labelText(label);
    }
    fileTexts << file.nameFilters();
    check(QStringLiteral("file dialog"), fileTexts);
    QVERIFY2(english.isEmpty(), qPrintable(english.join(QLatin1Char('\n'))));
}

void ChineseFrameTest::messageBoxButtonsSpeakTheLanguage() {
    SwitchTo(1);
    AppContext& context = **ctx_;
    QtUserPrompts prompts(
        [&context](int id, const QString& fallback) { return context.ControlText(id, fallback); });
    QStringList shown;
    QTimer::singleShot(0, [&shown] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        for (QAbstractButton* button : box->buttons()) {
            shown << button->text();
        }
        box->button(QMessageBox::No)->click();
    });
    QCOMPARE(prompts.Ask(nullptr, context.Title(), QStringLiteral("?"), PromptButtons::YesNoCancel,
                         PromptIcon::Question),
             PromptAnswer::No);
    shown.sort();
    QStringList expected{FileText(Chinese(), 6), FileText(Chinese(), 7), FileText(Chinese(), 2)};
    expected.sort();
    QCOMPARE(shown, expected);
}

QTEST_MAIN(ChineseFrameTest)
#include "ChineseFrameTest.moc"
