// Start-up: the command line, the first document, a file named on the command line, the simulated
// radio behind the communication port, and the start-up picture.
#include "ShellTestSupport.h"
#include "core/data/CDataFile.h"
#include "gui/app/CMainFrame.h"
#include "gui/app/SplashWindow.h"
#include "gui/app/TavApplication.h"
#include "gui/comm/CDlgComm.h"
#include "support/ScriptedDialogRunner.h"

#include <QPushButton>
#include <QtTest>

using namespace tav;
using namespace tav::gui;
using namespace tav::gui::test;

namespace {

/// Scripted questions and a private recent-file list for a starting program.
struct Stand {
    ScriptedPrompts* prompts = nullptr;
    std::function<AppEffects()> Effects(const TestHome& home, DialogRunner* runner = nullptr) {
        return [this, &home, runner] {
            AppEffects effects;
            auto owned = std::make_unique<ScriptedPrompts>();
            prompts = owned.get();
            effects.prompts = std::move(owned);
            effects.recent = std::make_unique<RecentFileList>(std::make_unique<QSettings>(
                QString::fromStdString((home / "recent.ini").string()), QSettings::IniFormat));
            effects.runner = runner;
            return effects;
        };
    }
};

/// Confirms the next communication dialog and waits until its transfer ended.
void PressOk(ScriptedDialogRunner& runner) {
    runner.Queue([](QDialog& dialog) {
        auto& comm = dynamic_cast<CDlgComm&>(dialog);
        comm.show();
        comm.OkButton()->click();
        (void)QTest::qWaitFor([&] { return comm.isHidden(); }, 20000);
        return comm.result();
    });
}

StartOptions Options(const TestHome& home, QStringList more = {}) {
    QStringList arguments{QStringLiteral("tavprog"), QStringLiteral("--home"),
                          QString::fromStdString(home.path().string()), QStringLiteral("--no-splash")};
    arguments << more;
    return StartOptions::Parse(arguments);
}

} // namespace

class ApplicationTest : public QObject {
    Q_OBJECT
private slots:
    void commandLine();
    void startsWithANewDocumentOfTheSettingsModel();
    void aNamedFileOpensAndABadOneLeavesTheNewDocument();
    void simulatedRadioReadsAndWritesEndToEnd();
    void splashShowsTheMainWindowAndEndsOnAKey();
    void splashRunsItsCourseOrEndsAtOnceWithoutAPicture();
};

void ApplicationTest::commandLine() {
    StartOptions options = StartOptions::Parse({"tavprog", "--home", "/opt/tav", "--simulate", "my.dat"});
    QVERIFY(options.error.isEmpty());
    QCOMPARE(options.home.value(), std::string("/opt/tav"));
    QVERIFY(options.simulate);
    QVERIFY(options.splash);
    QCOMPARE(options.file, QStringLiteral("my.dat"));
    QCOMPARE(StartOptions::Parse({"tavprog", "--home=/x"}).home.value(), std::string("/x"));
    QVERIFY(!StartOptions::Parse({"tavprog"}).home.has_value());
    QVERIFY(!StartOptions::Parse({"tavprog", "--no-splash"}).splash);
    QVERIFY(StartOptions::Parse({"tavprog", "--help"}).showUsage);
    QVERIFY(!StartOptions::Parse({"tavprog", "--home"}).error.isEmpty());
    QVERIFY(!StartOptions::Parse({"tavprog", "--frobnicate"}).error.isEmpty());
    QVERIFY(!StartOptions::Parse({"tavprog", "a.dat", "b.dat"}).error.isEmpty());
    QVERIFY(StartOptions::Usage().contains(QStringLiteral("--simulate")));
}

void ApplicationTest::startsWithANewDocumentOfTheSettingsModel() {
    TestHome home;
    Stand stand;
    TavApplication program(Options(home));
    program.SetEffects(stand.Effects(home));
    QVERIFY(program.Start());
    CMainFrame* frame = program.MainFrame();
    QVERIFY(frame->isVisible());
    // The maximized editor's title is added to the program's.
    QCOMPARE(frame->windowTitle(), QStringLiteral("TAV Programmer[*] - [Radio Information]"));
    QCOMPARE(program.Context().Container().Channels().Count(), std::size_t(16));
    QCOMPARE(frame->PaneText(Panes::kModelName), QStringLiteral("TAV 310"));
    QVERIFY(stand.prompts->asked().empty());      // the first New asks nothing
    QVERIFY(frame->EditorFrame(ViewIds::kRadio)); // the document's first editor
    QVERIFY(program.SimulatedDevice().isEmpty());
    frame->SetNoQuestion(true);
}

void ApplicationTest::aNamedFileOpensAndABadOneLeavesTheNewDocument() {
    TestHome home;
    {
        // A data file of the shipped model with a changed channel.
        TestContext maker;
        maker->Container().Channels().At(0).SetAutoStartScan(true);
        DocumentViews none;
        QVERIFY(maker->Doc().SaveAs(home / "mine.dat", "mine", none).ok());
    }
    {
        Stand stand;
        TavApplication program(Options(home, {QString::fromStdString((home / "mine.dat").string())}));
        program.SetEffects(stand.Effects(home));
        QVERIFY(program.Start());
        QVERIFY(program.MainFrame()->windowTitle().endsWith(QStringLiteral("mine.dat ][*]")));
        QVERIFY(program.Context().Container().Channels().At(0).AutoStartScan());
        program.MainFrame()->SetNoQuestion(true);
    }
    tav::test::WriteText(home / "bad.dat", "TAV but nothing more");
    Stand stand;
    TavApplication program(Options(home, {QString::fromStdString((home / "bad.dat").string())}));
    program.SetEffects(stand.Effects(home));
    QVERIFY(program.Start());
    QCOMPARE(stand.prompts->asked().size(), std::size_t(1));
    QVERIFY(stand.prompts->Last()->text.startsWith(program.Context().Message(Document::kNotDataFile)));
    QVERIFY(!program.MainFrame()->windowTitle().contains(QStringLiteral("bad.dat")));
    QVERIFY(!program.Context().Container().Channels().At(0).AutoStartScan());
    program.MainFrame()->SetNoQuestion(true);
}

void ApplicationTest::simulatedRadioReadsAndWritesEndToEnd() {
    TestHome home;
    Stand stand;
    ScriptedDialogRunner runner;
    TavApplication program(Options(home, {QStringLiteral("--simulate")}));
    program.SetEffects(stand.Effects(home, &runner));
    QVERIFY(program.Start());
    const QString device = program.SimulatedDevice();
    QVERIFY(!device.isEmpty());
    QVERIFY(QFileInfo::exists(device));
    QCOMPARE(program.Context().RadioDevice().value_or(""), device.toStdString());
    QVERIFY(stand.prompts->asked().empty());

    // Read: the communication dialog is confirmed and runs to its end.
    CMainFrame* frame = program.MainFrame();
    CDataContainer& data = program.Context().Container();
    data.RadioInfo().SetSerialNumber("changed");
    PressOk(runner);
    QVERIFY(frame->RunCommand(Commands::kRead));
    QCOMPARE(runner.Count(), 1);
    QCOMPARE(data.RadioInfo().SerialNumber(), std::string("SIM-00000001"));
    QCOMPARE(program.Context().Settings().ModelId(), std::string("TAV-V300"));
    QVERIFY(!stand.prompts->asked().empty());

    // Write: an edited channel reaches the radio; reading again brings it back.
    data.Channels().At(2).SetAutoStartScan(!data.Channels().At(2).AutoStartScan());
    const bool written = data.Channels().At(2).AutoStartScan();
    PressOk(runner);                 // the write
    runner.Queue([](QDialog& note) { // the note on the radio's steps before a write
        note.accept();
        return note.result();
    });
    QVERIFY(frame->RunCommand(Commands::kWrite));
    data.Channels().At(2).SetAutoStartScan(!written);
    PressOk(runner); // the read
    QVERIFY(frame->RunCommand(Commands::kRead));
    QCOMPARE(data.Channels().At(2).AutoStartScan(), written);
    frame->SetNoQuestion(true);
}

void ApplicationTest::splashShowsTheMainWindowAndEndsOnAKey() {
    TestHome home;
    QWidget main;
    QPointer<SplashWindow> splash =
        new SplashWindow(QString::fromStdString((home / "splash_E.jpg").string()), &main);
    QVERIFY(splash->HasPicture());
    QCOMPARE(splash->size(), QSize(560, 320));
    splash->Start();
    QVERIFY(splash->isVisible());
    QVERIFY(!main.isVisible());
    QCOMPARE(QApplication::overrideCursor() ? QApplication::overrideCursor()->shape() : Qt::ArrowCursor,
             Qt::WaitCursor);
    // A key anywhere ends it at once and is not passed on.
    QTest::keyClick(splash.data(), Qt::Key_A);
    QVERIFY(main.isVisible());
    QTRY_VERIFY(splash.isNull());
    QVERIFY(!QApplication::overrideCursor());
}

void ApplicationTest::splashRunsItsCourseOrEndsAtOnceWithoutAPicture() {
    TestHome home;
    {
        QWidget main;
        QPointer<SplashWindow> splash =
            new SplashWindow(QString::fromStdString((home / "splash_S.jpg").string()), &main);
        splash->Start();
        QTest::qWait(SplashWindow::kShowMainAfterMs / 2);
        QVERIFY(!main.isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(main.isVisible(), SplashWindow::kShowMainAfterMs + 1000);
        QVERIFY(!splash.isNull()); // it stays a while longer
        QTRY_VERIFY_WITH_TIMEOUT(splash.isNull(), SplashWindow::kStayAfterMainMs + 1000);
    }
    QWidget main;
    QPointer<SplashWindow> splash =
        new SplashWindow(QString::fromStdString((home / "missing.jpg").string()), &main);
    QVERIFY(!splash->HasPicture());
    splash->Start();
    QTRY_VERIFY(splash.isNull());
    QVERIFY(main.isVisible());
}

QTEST_MAIN(ApplicationTest)
#include "ApplicationTest.moc"
