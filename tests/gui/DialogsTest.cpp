#include "core/app/CSettings.h"
#include "core/data/CDataFile.h"
#include "gui/app/DlgFile.h"
#include "gui/app/DlgFileChooser.h"
#include "gui/app/DlgLanguage.h"
#include "gui/app/DlgModelInfo.h"
#include "gui/comm/CDlgNote.h"
#include "gui/comm/CDlgPassword.h"
#include "gui/controls/DialogButtons.h"
#include "gui/controls/FilterEdit.h"
#include "gui/ui/ControlIds.h"
#include "support/TestSupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileSystemModel>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <filesystem>

using namespace tav;
using namespace tav::gui;
namespace fs = std::filesystem;

namespace {

/// A program folder with the shipped language file and model list, plus what a test adds.
struct Home {
    test::TempDir dir;
    Home() {
        fs::copy_file(test::ResourceDir() / "TAV_E.lng", dir / "TAV_E.lng");
        fs::copy_file(test::ResourceDir() / "Model.dat", dir / "Model.dat");
    }
    std::unique_ptr<CSettings> Settings() {
        auto settings = std::make_unique<CSettings>(ProgramHome(dir.path()));
        settings->CancelExitWrite();
        return settings;
    }
};

/// Saves a picture of `window` when TAV_SCREENSHOT_DIR names a folder.
void Picture(QWidget& window, const QString& name) {
    const QString folder = qEnvironmentVariable("TAV_SCREENSHOT_DIR");
    if (!folder.isEmpty()) {
        window.grab().save(folder + "/" + name + ".png");
    }
}

bool ShowActive(QWidget& window) {
    window.show();
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

DataFileHeader Header(const std::string& modelName) {
    DataFileHeader header;
    header.modelId = "TAV-U600";
    header.modelName = modelName;
    header.lowMHz = 400;
    header.highMHz = 470;
    header.firmware = "1.04.01";
    return header;
}

} // namespace

class DialogsTest : public QObject {
    Q_OBJECT
private slots:
    void languageDialogOffersTheListedLanguages();
    void modelInformationFollowsTheChosenModel();
    void modelInformationHonoursTheModelSwitch();
    void fileDialogPanelShowsTheFileUnderTheCursor();
    void fileDialogSaveModeShowsHeaderAndTakesComment();
    void fileChooserReturnsTheChoice();
    void passwordTakesDigitsUpToItsLength();
    void noteShowsItsTextAndKeepsTheFlag();
};

void DialogsTest::languageDialogOffersTheListedLanguages() {
    Home home;
    fs::copy_file(test::ResourceDir() / "TAV_S.lng", home.dir / "TAV_S.lng");
    auto settings = home.Settings();

    {
        DlgLanguage dialog(*settings);
        QVERIFY(ShowActive(dialog));
        Picture(dialog, "language");
        QCOMPARE(dialog.windowTitle(), QString("Language"));
        QCOMPARE(dialog.List()->count(), 2);
        QCOMPARE(dialog.List()->itemText(1), QString("简体中文"));
        QCOMPARE(dialog.List()->currentIndex(), 0);
        qobject_cast<QPushButton*>(FindControl(&dialog, kIdOk))->click();
        QCOMPARE(dialog.result(), int(QDialog::Rejected)); // the current language: nothing to do
        QVERIFY(!dialog.ChosenLanguage());
    }
    {
        DlgLanguage dialog(*settings);
        dialog.List()->setCurrentIndex(1);
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.ChosenLanguage(), std::optional<int>(1));
    }
    QCOMPARE(settings->SelectLanguage(1), 1);
    {
        DlgLanguage dialog(*settings);
        QCOMPARE(dialog.windowTitle(), QString("语言"));
        QCOMPARE(dialog.List()->currentIndex(), 1);
        QCOMPARE(dialog.List()->itemText(0), QString("English"));
    }
}

void DialogsTest::modelInformationFollowsTheChosenModel() {
    Home home;
    test::WriteText(home.dir / "Model.dat", "[Setting]\nModelID=TAV-V300,TAV-U600\n"
                                            "TAV-V300=TAV 310,TAV 320\nTAV-U600=TAV 610,TAV 320\n"
                                            "[TAV-V300]\nNumber=2\nFreq0=136, 174, 136, 174, 128\n"
                                            "Freq1=144, 146, 144, 146, 130\n"
                                            "[TAV-U600]\nNumber=1\nFreq0=400, 470, 400, 470, 1\n");
    auto text = test::ReadText(home.dir / "TAV_E.lng");
    text += "\nS0201076=0.Standard;1.Two-Tone;2.Data\n";
    test::WriteText(home.dir / "TAV_E.lng", text);
    auto settings = home.Settings();
    ApplyModelChoice(*settings, {"TAV-V300", "TAV 320", "144-146", 1});

    DlgModelInfo dialog(*settings);
    QVERIFY(ShowActive(dialog));
    Picture(dialog, "model-information");
    QCOMPARE(dialog.windowTitle(), QString("Model Information"));
    QCOMPARE(dialog.NameBox()->count(), 4);
    QCOMPARE(dialog.NameBox()->currentText(), QString("TAV 320"));
    QCOMPARE(dialog.RangeBox()->count(), 2);
    QCOMPARE(dialog.RangeBox()->currentText(), QString("144-146"));
    QCOMPARE(dialog.RangeBox()->currentData().toInt(), 130);
    QCOMPARE(dialog.SignalBox()->currentText(), QString("Two-Tone"));
    QCOMPARE(dialog.Choice(), dialog.Original());

    // Another model: its ranges, the first one chosen; the model is current while the dialog is open.
    dialog.NameBox()->setCurrentIndex(2);
    emit dialog.NameBox()->activated(2);
    QCOMPARE(dialog.RangeBox()->count(), 1);
    QCOMPARE(dialog.RangeBox()->currentText(), QString("400-470"));
    QCOMPARE(settings->ModelId(), std::string("TAV-U600"));
    dialog.SignalBox()->setCurrentIndex(2);
    emit dialog.SignalBox()->activated(2);
    QCOMPARE(dialog.Choice(), (ModelInfoResult{"TAV-U600", "TAV 610", "400-470", 2}));

    // A name listed under two models belongs to the first of them.
    dialog.NameBox()->setCurrentIndex(3);
    emit dialog.NameBox()->activated(3);
    QCOMPARE(dialog.Choice().modelId, std::string("TAV-V300"));
    QCOMPARE(dialog.Choice().rangeText, std::string("136-174"));
    dialog.RangeBox()->setCurrentIndex(1);
    emit dialog.RangeBox()->activated(1);
    QCOMPARE(dialog.Choice().rangeText, std::string("144-146"));

    dialog.accept();
    {
        // The name listed under both models shows as the current model's entry.
        ApplyModelChoice(*settings, {"TAV-U600", "TAV 320", "400-470", 0});
        DlgModelInfo other(*settings);
        QCOMPARE(other.NameBox()->currentIndex(), 3);
        ApplyModelChoice(*settings, {"TAV-V300", "TAV 320", "144-146", 1});
    }
    // The data still belongs to the old model until the main frame applies the choice.
    QCOMPARE(settings->ModelId(), std::string("TAV-V300"));
    QCOMPARE(CompareModelChoice(CurrentModelChoice(*settings), dialog.Choice()), ModelChoiceChange::Identity);
}

void DialogsTest::modelInformationHonoursTheModelSwitch() {
    Home home;
    test::WriteText(home.dir / "Switch.lng", "[Setting]\nLanguage=English\nLanguageList=English\n"
                                             "S0201076=0.Standard;1.Two-Tone\n[TAV-U600]\nS0001076=1\n");
    fs::remove(home.dir / "TAV_E.lng");
    fs::rename(home.dir / "Switch.lng", home.dir / "TAV_E.lng");
    auto settings = home.Settings();
    ApplyModelChoice(*settings, {"TAV-V300", "TAV 310", "136-174", 0});

    DlgModelInfo dialog(*settings);
    QVERIFY(dialog.SignalBox()->isEnabled());
    dialog.NameBox()->setCurrentIndex(2);
    emit dialog.NameBox()->activated(2);
    QVERIFY(!dialog.SignalBox()->isEnabled());
    dialog.NameBox()->setCurrentIndex(1);
    emit dialog.NameBox()->activated(1);
    QVERIFY(dialog.SignalBox()->isEnabled());
    QCOMPARE(CompareModelChoice(dialog.Original(), dialog.Choice()), ModelChoiceChange::NameOnly);
    dialog.reject();
    QCOMPARE(settings->ModelId(), std::string("TAV-V300"));
}

void DialogsTest::fileDialogPanelShowsTheFileUnderTheCursor() {
    Home home;
    auto settings = home.Settings();
    const fs::path data = home.dir / "fleet.dat";
    test::WriteBytes(
        data, CDataFile::Compose(Header("TAV 610").ToBytes(), "Fleet A\r\nHill site", {}, BlankImage()));
    test::WriteText(home.dir / "notes.dat", "not a data file");

    const QString folder = QString::fromStdString(home.dir.path().string());
    CDlgFile dialog(CDlgFile::Mode::Open, settings->Language(), folder);
    QVERIFY(dialog.testOption(QFileDialog::DontUseNativeDialog));
    QCOMPARE(dialog.nameFilters(), QStringList({"TAV Data Files (*.dat)", "All Files (*.*)"}));
    QCOMPARE(dialog.defaultSuffix(), QString("dat"));
    QVERIFY(dialog.CommentEdit()->isReadOnly());
    QCOMPARE(qobject_cast<QLabel*>(FindControl(&dialog, CDlgFile::kFirmwareLabel))->text(),
             QString("Firmware Version:"));
    QVERIFY(!qobject_cast<QLabel*>(FindControl(&dialog, CDlgFile::kPicture))->pixmap().isNull());

    // A file named in the name box shows at once.
    dialog.selectFile(QString::fromStdString(data.string()));
    QCOMPARE(dialog.ModelNameEdit()->text(), QString("TAV 610"));
    QCOMPARE(dialog.RangeEdit()->text(), QString("400 - 470MHz"));
    QCOMPARE(dialog.FirmwareEdit()->text(), QString("1.04.01"));
    QCOMPARE(dialog.CommentEdit()->toPlainText(), QString("Fleet A\nHill site"));
    QVERIFY(ShowActive(dialog));

    // Moving through the list shows each file in turn; a file that is no data file shows nothing.
    auto* list = dialog.findChild<QListView*>("listView");
    QVERIFY(list);
    auto* model = qobject_cast<QFileSystemModel*>(list->model());
    QVERIFY(model);
    const QModelIndex notes = model->index(folder + "/notes.dat");
    const QModelIndex fleet = model->index(QString::fromStdString(data.string()));
    QTRY_VERIFY(notes.isValid() && fleet.isValid());
    list->setFocus();
    list->setCurrentIndex(notes);
    QCOMPARE(dialog.ModelNameEdit()->text(), QString());
    QCOMPARE(dialog.RangeEdit()->text(), QString());
    QCOMPARE(dialog.CommentEdit()->toPlainText(), QString());
    list->setCurrentIndex(fleet);
    QCOMPARE(dialog.ModelNameEdit()->text(), QString("TAV 610"));
    Picture(dialog, "file-open");
    dialog.ShowFileInfo(folder);
    QCOMPARE(dialog.FirmwareEdit()->text(), QString());
}

void DialogsTest::fileDialogSaveModeShowsHeaderAndTakesComment() {
    Home home;
    auto settings = home.Settings();
    CDlgFile dialog(CDlgFile::Mode::Save, settings->Language(),
                    QString::fromStdString((home.dir / "new.dat").string()));
    dialog.ShowHeader(Header("TAV 620"));
    QVERIFY(ShowActive(dialog));
    QCOMPARE(dialog.acceptMode(), QFileDialog::AcceptSave);
    QCOMPARE(dialog.windowTitle(), QString("Save As"));
    QCOMPARE(dialog.ModelNameEdit()->text(), QString("TAV 620"));
    QCOMPARE(dialog.RangeEdit()->text(), QString("400 - 470MHz"));
    QVERIFY(!dialog.CommentEdit()->isReadOnly());
    QVERIFY(dialog.ModelNameEdit()->isReadOnly());
    dialog.CommentEdit()->setFocus();
    QTest::keyClicks(dialog.CommentEdit(), "Club radios");
    QCOMPARE(dialog.Comment(), QString("Club radios"));
    Picture(dialog, "file-save");
}

void DialogsTest::fileChooserReturnsTheChoice() {
    Home home;
    auto settings = home.Settings();
    const QString target = QString::fromStdString((home.dir / "saved").string());
    DlgFileChooser chooser(settings->Language());

    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<CDlgFile*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        QCOMPARE(dialog->ModelNameEdit()->text(), QString("TAV 610"));
        dialog->CommentEdit()->setPlainText("Typed comment");
        dialog->selectFile(target);
        QMetaObject::invokeMethod(dialog, "accept");
    });
    const auto choice = chooser.ChooseSave(nullptr, Header("TAV 610"), target);
    QVERIFY(choice);
    QCOMPARE(choice->path, target + ".dat"); // the default extension is added
    QCOMPARE(choice->comment, QString("Typed comment"));

    QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
    QVERIFY(!chooser.ChooseOpen(nullptr, QString::fromStdString(home.dir.path().string())));
}

void DialogsTest::passwordTakesDigitsUpToItsLength() {
    Home home;
    auto settings = home.Settings();
    {
        CDlgPassword dialog(CDlgPassword::kInputDialog, 8, settings->Language());
        QVERIFY(ShowActive(dialog));
        QCOMPARE(dialog.windowTitle(), QString("Input Password"));
        QCOMPARE(ControlId(dialog.Edit()), CDlgPassword::kInputEdit);
        QVERIFY(!FindControl(&dialog, kIdHelp)->isVisible());
        dialog.Edit()->setFocus();
        QTest::keyClicks(dialog.Edit(), "12ab34567890");
        QCOMPARE(dialog.Edit()->text(), QString("12345678"));
        Picture(dialog, "password");
        QTest::keyClick(dialog.Edit(), Qt::Key_Return);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.Password(), QString("12345678"));
    }
    {
        CDlgPassword dialog(CDlgPassword::kPasswordDialog, 5, settings->Language());
        QVERIFY(ShowActive(dialog));
        QCOMPARE(dialog.windowTitle(), QString("Password"));
        QCOMPARE(ControlId(dialog.Edit()), CDlgPassword::kPasswordEdit);
        dialog.Edit()->setFocus();
        QTest::keyClicks(dialog.Edit(), "1234");
        dialog.accept();
        QVERIFY(dialog.isVisible()); // four digits are not enough
        QCOMPARE(dialog.Edit()->text(), QString());
        QTest::keyClicks(dialog.Edit(), "12345");
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.Password(), QString("12345"));
    }
    {
        CDlgPassword dialog(CDlgPassword::kInputDialog, 8, settings->Language());
        dialog.accept(); // an empty password is a valid answer
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.Password(), QString());
    }
}

void DialogsTest::noteShowsItsTextAndKeepsTheFlag() {
    Home home;
    auto text = test::ReadText(home.dir / "TAV_E.lng");
    text += "\nS0109001=Keep the radio on.\\nDo not press its keys.\\r\\nWait.\n";
    test::WriteText(home.dir / "TAV_E.lng", text);
    auto settings = home.Settings();
    CDlgNote::SetDoNotWarn(false);
    {
        CDlgNote dialog(9001, settings->Language());
        QVERIFY(ShowActive(dialog));
        QCOMPARE(dialog.windowTitle(), QString("Note"));
        QCOMPARE(dialog.Text()->text(), QString("Keep the radio on.\nDo not press its keys.\nWait."));
        QCOMPARE(dialog.Check()->text(), QString("Do not show this note again until the program is closed"));
        QVERIFY(!dialog.Check()->isChecked());
        dialog.Check()->setChecked(true);
        dialog.reject(); // Cancel keeps the box's state too
        QVERIFY(CDlgNote::DoNotWarn());
    }
    {
        CDlgNote dialog(0, settings->Language());
        QVERIFY(dialog.Check()->isChecked());
        QCOMPARE(dialog.Check()->text(), QString("Do not show this note again"));
        dialog.Check()->setChecked(false);
        dialog.accept();
        QVERIFY(!CDlgNote::DoNotWarn());
    }
    {
        CDlgNote dialog(9001, settings->Language());
        dialog.setAttribute(Qt::WA_DontShowOnScreen, false);
        QVERIFY(ShowActive(dialog));
        Picture(dialog, "note");
    }
}

QTEST_MAIN(DialogsTest)
#include "DialogsTest.moc"
