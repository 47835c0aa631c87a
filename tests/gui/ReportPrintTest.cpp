// The configuration report in the desktop program: the print-selection dialog, File › Print…,
// Print Preview… and Export Report…, and the editors' Print buttons.
#include "ShellTestSupport.h"
#include "gui/app/CChildFrame.h"
#include "gui/app/CMainFrame.h"
#include "gui/controls/DialogButtons.h"
#include "gui/report/DlgPrintSelection.h"
#include "gui/report/ReportCommands.h"
#include "gui/report/ScreenReportDialogs.h"
#include "report/ReportDocument.h"

#include <QMenu>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

using namespace tav;
using namespace tav::gui;
using namespace tav::gui::test;

class ReportPrintTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void selectionDialogOffersTheTwelvePartsWithCheckBoxes();
    void fileMenuOffersPrintPreviewAndExport();
    void previewAndPrintAskTheSelectionFirstAndKeepIt();
    void exportWritesHtmlOrPdfAndNeverTheOpenDataFile();
    void anEditorsPrintButtonPrintsItsOwnPart();
    void previewScreenshot();

private:
    CMainFrame& Frame() { return *frame_; }
    ScriptedReportDialogs& Dialogs() { return *ctx_->reports; }

    std::unique_ptr<TestContext> ctx_;
    std::unique_ptr<CMainFrame> frame_;
};

void ReportPrintTest::init() {
    ctx_ = std::make_unique<TestContext>();
    frame_ = std::make_unique<CMainFrame>(**ctx_);
}

void ReportPrintTest::cleanup() {
    frame_.reset();
    ctx_.reset();
}

void ReportPrintTest::selectionDialogOffersTheTwelvePartsWithCheckBoxes() {
    ReportSelection current;
    current.Set(ReportItem::Channels, false);
    DlgPrintSelection dialog(ctx_->context->Language(), current);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Print Selection"));
    QCOMPARE(dialog.Tree()->accessibleName(), QStringLiteral("Print Selection"));
    QTreeWidgetItem* root = dialog.Tree()->topLevelItem(0);
    QCOMPARE(root->childCount(), 12);
    QCOMPARE(root->child(0)->text(0), QStringLiteral("Radio Information"));
    QCOMPARE(root->child(11)->text(0), QStringLiteral("Options"));
    QCOMPARE(dialog.Item(ReportItem::Channels)->checkState(0), Qt::Unchecked);
    QCOMPARE(root->checkState(0), Qt::PartiallyChecked);
    QCOMPARE(dialog.Selection(), current);

    auto* ok = dialog.findChild<DialogButtons*>()->Ok();
    root->setCheckState(0, Qt::Unchecked); // the root clears every part
    QVERIFY(!dialog.Selection().Any());
    QVERIFY(!ok->isEnabled());
    dialog.Item(ReportItem::Keys)->setCheckState(0, Qt::Checked);
    QVERIFY(ok->isEnabled());
    QCOMPARE(dialog.Selection(), ReportSelection::Only(ReportItem::Keys));
}

void ReportPrintTest::fileMenuOffersPrintPreviewAndExport() {
    QStringList texts;
    for (QAction* action : Frame().TopMenu(CMainFrame::kFileMenu)->actions()) {
        texts << action->text();
    }
    const qsizetype saveAs = texts.indexOf(QStringLiteral("Save &As..."));
    const qsizetype print = texts.indexOf(QStringLiteral("&Print..."));
    QVERIFY(saveAs >= 0 && print > saveAs);
    QVERIFY(texts[print - 1].isEmpty()); // a group of their own
    QCOMPARE(texts.mid(print, 3),
             QStringList({QStringLiteral("&Print..."), QStringLiteral("Print Pre&view..."),
                          QStringLiteral("&Export Report...")}));
    QCOMPARE(Frame().Action(ReportCommands::kPrint)->shortcut(), QKeySequence(QKeySequence::Print));
}

void ReportPrintTest::previewAndPrintAskTheSelectionFirstAndKeepIt() {
    Dialogs().selections = {std::nullopt};
    QVERIFY(Frame().RunCommand(ReportCommands::kPrintPreview));
    QCOMPARE(Dialogs().selectionAsks, 1);
    QVERIFY(Dialogs().previewed.empty()); // cancelled: nothing shown

    Dialogs().selections = {ReportSelection::Only(ReportItem::Channels)};
    QVERIFY(Frame().RunCommand(ReportCommands::kPrintPreview));
    QCOMPARE(Dialogs().previewed.size(), std::size_t{1});
    QVERIFY(Dialogs().previewed[0].contains(QStringLiteral("136.32500")));
    QVERIFY(!Dialogs().previewed[0].contains(QStringLiteral("Personalities")));
    QCOMPARE(Frame().Reports().Selection(), ReportSelection::Only(ReportItem::Channels));

    Dialogs().selections = {ReportSelection::Only(ReportItem::Atis)};
    QVERIFY(Frame().RunCommand(ReportCommands::kPrint));
    QCOMPARE(Dialogs().printed.size(), std::size_t{1});
    QVERIFY(Dialogs().printed[0].contains(QStringLiteral("ATIS Code")));
}

void ReportPrintTest::exportWritesHtmlOrPdfAndNeverTheOpenDataFile() {
    for (const char* name : {"report.html", "report.pdf"}) {
        Dialogs().selections = {ReportSelection()};
        Dialogs().files = {ctx_->Path(name)};
        QVERIFY(Frame().RunCommand(ReportCommands::kExportReport));
        const std::string written = tav::test::ReadText(ctx_->home / name);
        QVERIFY2(written.rfind(QByteArray(name).endsWith(".pdf") ? "%PDF-" : "<!DOCTYPE html>", 0) == 0,
                 name);
    }
    QVERIFY(ctx_->prompts->asked().empty());

    QVERIFY(ctx_->context->Doc().SaveAs(ctx_->home / "radio.dat", {}, Frame()).ok());
    const std::string before = tav::test::ReadText(ctx_->home / "radio.dat");
    // The open data file is never replaced by its report.
    const Result refused = Frame().Reports().Export(ctx_->Path("radio.dat"), ReportSelection());
    QCOMPARE(refused.messageId(), ReportCommands::kMsgCannotWrite);
    QCOMPARE(tav::test::ReadText(ctx_->home / "radio.dat"), before);
    // A name ending in neither .pdf nor .html gets .pdf.
    Dialogs().selections = {ReportSelection()};
    Dialogs().files = {ctx_->Path("radio.dat")};
    QVERIFY(Frame().RunCommand(ReportCommands::kExportReport));
    QCOMPARE(tav::test::ReadText(ctx_->home / "radio.dat"), before);
    QVERIFY(std::filesystem::exists(ctx_->home / "radio.dat.pdf"));
}

void ReportPrintTest::anEditorsPrintButtonPrintsItsOwnPart() {
    CChildFrame* atis = Frame().OpenEditor(ViewIds::kAtis, QStringLiteral("ATIS"));
    QVERIFY(atis);
    QPushButton* print = atis->BarButton(CChildFrame::kPrintButton);
    QVERIFY(print->isEnabled());
    print->click();
    QCOMPARE(Dialogs().printed.size(), std::size_t{1});
    QVERIFY(Dialogs().printed[0].contains(QStringLiteral("ATIS Code")));
    QVERIFY(!Dialogs().printed[0].contains(QStringLiteral("Channels")));
    QCOMPARE(Dialogs().selectionAsks, 0);

    CChildFrame* passwords = Frame().OpenEditor(ViewIds::kPassword, QStringLiteral("Passwords"));
    QVERIFY(passwords);
    QVERIFY(!passwords->BarButton(CChildFrame::kPrintButton)->isEnabled());
}

void ReportPrintTest::previewScreenshot() {
    report::ReportDocument document(Frame().Reports().Html(ReportSelection()));
    const std::unique_ptr<QPrinter> printer = ScreenReportDialogs::MakePrinter();
    const std::unique_ptr<QPrintPreviewDialog> preview =
        ScreenReportDialogs::MakePreview(nullptr, document, *printer);
    preview->show();
    QTest::qWait(200);
    const QImage shot = preview->grab().toImage();
    QVERIFY(!shot.isNull());
    const QByteArray folder = qgetenv("TAV_SCREENSHOT_DIR");
    if (!folder.isEmpty()) {
        shot.save(QString::fromLocal8Bit(folder) + QStringLiteral("/print-preview.png"));
    }
    preview->close();
}

QTEST_MAIN(ReportPrintTest)
#include "ReportPrintTest.moc"
