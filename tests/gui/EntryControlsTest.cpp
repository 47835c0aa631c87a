#include "support/TestSupport.h"
#include "gui/controls/CCtcssEdit.h"
#include "gui/controls/CFreqCellEdit.h"
#include "gui/controls/CFreqEdit.h"
#include "core/controls/CellEditKeys.h"
#include "gui/controls/DecimalRangeEdit.h"
#include "gui/controls/DigitStringEdit.h"
#include "gui/controls/FilterEdit.h"
#include "gui/controls/NumericRangeOffEdit.h"
#include "gui/controls/TextLimitEdit.h"
#include "core/lang/CLanguage.h"
#include "gui/ui/ControlIds.h"
#include "gui/ui/DialogTemplate.h"
#include "gui/ui/Translator.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QSignalSpy>
#include <QVBoxLayout>
#include <QtTest>
#include <memory>

using namespace tav;
using namespace tav::gui;

namespace {

/// A window with the control under test and a second edit to move the focus to.
struct Form {
    QWidget window;
    QLineEdit* other = nullptr;

    explicit Form(QWidget* control) {
        auto* layout = new QVBoxLayout(&window);
        control->setParent(&window);
        layout->addWidget(control);
        other = new QLineEdit(&window);
        layout->addWidget(other);
    }
    bool Show(QWidget* focus) {
        window.show();
        window.activateWindow();
        if (!QTest::qWaitForWindowActive(&window)) {
            return false;
        }
        focus->setFocus();
        return focus->hasFocus();
    }
    /// Types `text` into `edit` after clearing it, then moves the focus away.
    void Enter(QLineEdit* edit, const QString& text) {
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, text);
        other->setFocus();
    }
};

NumericRange Range(int start, int step, int end, int divisor, int first, int increment, int decimals) {
    return NumericRange{start, step, end, divisor, first, increment, decimals};
}

} // namespace

class EntryControlsTest : public QObject {
    Q_OBJECT
private slots:
    void filterDropsCharactersAndRefusesPastes();
    void numericEditWithOffSnapsClampsAndTurnsOff();
    void decimalEditScalesAndClampsWithoutSnapping();
    void translationConfiguresNumericEdits();
    void textLimitCutsWholeCharacters();
    void digitStringPacksPaddedDigits();
    void freqEditSnapsAndReportsCorrections();
    void freqCellEditStartsTypesAndEnds();
    void ctcssEditInComboShowsToneAfterFocusLoss();
};

void EntryControlsTest::filterDropsCharactersAndRefusesPastes() {
    auto* edit = new FilterEdit;
    edit->SetAllowed("0123456789");
    Form form(edit);
    QVERIFY(form.Show(edit));
    QCOMPARE(WindowClassName(ClassOf(edit)), "Edit");

    QTest::keyClicks(edit, "1a2-3");
    QCOMPARE(edit->text(), QString("123"));
    QCOMPARE(edit->BeepCount(), 2);
    QTest::keyClick(edit, Qt::Key_Backspace);
    QCOMPARE(edit->text(), QString("12"));

    QApplication::clipboard()->setText("12a");
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(edit->text(), QString("12"));
    QCOMPARE(edit->BeepCount(), 3);
    edit->insert("9x"); // a drop or a context-menu paste goes through the same rule
    QCOMPARE(edit->text(), QString("12"));
    QApplication::clipboard()->setText("34");
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(edit->text(), QString("1234"));

    // One more allowed character, as the frequency edits add the decimal separator.
    edit->AddAllowed(',');
    QTest::keyClicks(edit, ",5");
    QCOMPARE(edit->text(), QString("1234,5"));
    QCOMPARE(edit->BeepCount(), 3);
}

void EntryControlsTest::numericEditWithOffSnapsClampsAndTurnsOff() {
    auto* edit = new NumericRangeOffEdit;
    edit->SetOffText("Off");
    edit->Configure(Range(10, 5, 100, 1, 2, 1, 0));
    Form form(edit);
    QVERIFY(form.Show(edit));
    QSignalSpy committed(edit, &FilterEdit::Committed);

    edit->SetRaw(0);
    QCOMPARE(edit->text(), QString("Off"));
    edit->SetRaw(4); // 10 + (4 - 2) * 5
    QCOMPARE(edit->text(), QString("20"));

    form.Enter(edit, "12"); // snapped down to the step
    QCOMPARE(edit->text(), QString("10"));
    QCOMPARE(edit->Raw(), 2);
    QCOMPARE(committed.count(), 1);
    form.Enter(edit, "999");
    QCOMPARE(edit->text(), QString("100"));
    QCOMPARE(edit->Raw(), 20);
    form.Enter(edit, "7"); // below the minimum but not below one step
    QCOMPARE(edit->text(), QString("10"));
    form.Enter(edit, "3");
    QCOMPARE(edit->text(), QString("Off"));
    QVERIFY(edit->IsOff());
    form.Enter(edit, "55");
    form.Enter(edit, "");
    QCOMPARE(edit->text(), QString("Off"));
    QCOMPARE(edit->Raw(), 0);
    // The off word stays editable although it holds letters.
    edit->setFocus();
    edit->end(false);
    QTest::keyClicks(edit, "3");
    QCOMPARE(edit->text(), QString("Off3"));
    form.other->setFocus();
    QCOMPARE(edit->text(), QString("Off"));

    // A plain numeric edit: the owner reads the value back.
    NumericRangeEdit plain;
    plain.Configure(Range(0, 5, 20, 1, 0, 1, 0));
    plain.setText("12");
    QCOMPARE(plain.ReadValue(), 2);
    QCOMPARE(plain.text(), QString("10"));
    // A range a damaged language file gives (zero step) keeps the raw value.
    plain.Configure(Range(0, 0, 20, 1, 0, 1, 0));
    plain.SetRaw(7);
    plain.setText("3");
    QCOMPARE(plain.ReadValue(), 7);
}

void EntryControlsTest::decimalEditScalesAndClampsWithoutSnapping() {
    auto* edit = new DecimalRangeEdit;
    edit->SetDecimalSeparator('.');
    edit->Configure(Range(400, 5, 3000, 10, 0, 1, 1));
    Form form(edit);
    QVERIFY(form.Show(edit));

    form.Enter(edit, "288.55");
    QCOMPARE(edit->text(), QString("288.5"));
    QCOMPARE(edit->Raw(), (2885 - 400) / 5);
    form.Enter(edit, "5");
    QCOMPARE(edit->text(), QString("40.0"));
    QCOMPARE(edit->Raw(), 0);
    form.Enter(edit, "a1x2.5");
    QCOMPARE(edit->text(), QString("40.0")); // "12.5" is below the minimum 40.0
    QCOMPARE(edit->BeepCount(), 2);

    // With a comma locale the comma is typed and shown.
    edit->SetDecimalSeparator(',');
    form.Enter(edit, "100,25");
    QCOMPARE(edit->text(), QString("100,2"));
    edit->SetRaw(10);
    QCOMPARE(edit->text(), QString("45,0"));
}

void EntryControlsTest::translationConfiguresNumericEdits() {
    test::TempDir dir;
    test::WriteText(dir / "t.lng", "[Setting]\nS0101174=Aus\nS0200701=0:10:500:1:0:1:0\n"
                                   "S0200702=3000:1:30000:10:3000:1:1\n");
    CLanguage language(dir / "t.lng", [] { return std::string(); });
    QWidget form;
    auto* layout = new QGridLayout(&form);
    const DialogTemplate dialog{
        700, "Form", {{701, ControlKind::Custom, {}, 0, 0}, {702, ControlKind::Custom, {}, 1, 0}}};
    const ControlMap controls =
        BuildTemplate(dialog, &form, layout, [&](const ControlSpec& decl, QWidget* parent) {
            return decl.id == 701 ? static_cast<QWidget*>(new NumericRangeOffEdit(language, parent))
                                  : static_cast<QWidget*>(new DecimalRangeEdit(parent));
        });
    TranslateDialog(&form, 700, language);

    auto* off = qobject_cast<NumericRangeOffEdit*>(controls.at(701));
    QCOMPARE(off->Range(), Range(0, 10, 500, 1, 0, 1, 0));
    QCOMPARE(off->OffText(), QString("Aus"));
    off->SetRaw(0);
    QCOMPARE(off->text(), QString("Aus"));
    off->SetRaw(12);
    QCOMPARE(off->text(), QString("120"));
    auto* decimal = qobject_cast<DecimalRangeEdit*>(controls.at(702));
    decimal->SetDecimalSeparator('.');
    decimal->SetRaw(3005);
    QCOMPARE(decimal->text(), QString("300.5"));
}

void EntryControlsTest::textLimitCutsWholeCharacters() {
    auto* edit = new TextLimitEdit;
    edit->SetAcceptAll(true);
    edit->SetMaxBytes(4);
    Form form(edit);
    QVERIFY(form.Show(edit));

    QTest::keyClicks(edit, "abcdef");
    QCOMPARE(edit->text(), QString("abcd"));
    QCOMPARE(edit->cursorPosition(), 4);

    // A character outside ASCII takes two bytes: one that would end past the limit goes whole.
    edit->clear();
    QTest::keyClicks(edit, "abc");
    QInputMethodEvent commit;
    commit.setCommitString(QString::fromUtf8("\xe4\xb8\xad"));
    QApplication::sendEvent(edit, &commit);
    QCOMPARE(edit->text(), QString("abc"));
    edit->setText(QString::fromUtf8("a\xe4\xb8\xad\xe6\x96\x87"));
    QCOMPARE(edit->text(), QString::fromUtf8("a\xe4\xb8\xad"));

    edit->SetMaxBytes(1000); // kept as 255
    QCOMPARE(edit->MaxBytes(), 255);

    // With digits only, a paste holding a letter is refused with a beep.
    auto* digits = new TextLimitEdit;
    digits->SetAllowed("0123456789");
    digits->SetMaxBytes(8);
    form.window.layout()->addWidget(digits);
    digits->setFocus();
    QApplication::clipboard()->setText("12a");
    QTest::keyClick(digits, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(digits->text(), QString());
    QCOMPARE(digits->BeepCount(), 1);
    QApplication::clipboard()->setText("1234567890");
    QTest::keyClick(digits, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(digits->text(), QString("12345678"));
}

void EntryControlsTest::digitStringPacksPaddedDigits() {
    auto* edit = new DigitStringEdit;
    Form form(edit);
    QVERIFY(form.Show(edit));
    QCOMPARE(edit->DigitCount(), 12);
    QCOMPARE(edit->Bytes().size(), std::size_t{6});

    form.Enter(edit, "1234");
    QCOMPARE(edit->text(), QString("000000001234"));
    QCOMPARE(edit->Bytes(), (std::vector<std::uint8_t>{0, 0, 0, 0, 0x12, 0x34}));

    const std::uint8_t stored[] = {0x01, 0x23, 0x45, 0xFF};
    edit->SetBytes(stored, 6);
    QCOMPARE(edit->text(), QString("012345"));
    QCOMPARE(edit->maxLength(), 6);
    QTest::keyClicks(edit, "9"); // full: nothing more fits
    QCOMPARE(edit->text(), QString("012345"));
    edit->SetBytes(stored, 8); // a byte holding no digits shows as it is and survives untouched
    QCOMPARE(edit->text(), QString("012345FF"));
    edit->Commit();
    QCOMPARE(edit->Bytes(), (std::vector<std::uint8_t>{0x01, 0x23, 0x45, 0xFF}));
}

void EntryControlsTest::freqEditSnapsAndReportsCorrections() {
    auto* edit = new CFreqEdit;
    edit->SetDecimalSeparator('.');
    edit->SetRange(400, 470);
    Form form(edit);
    QVERIFY(form.Show(edit));
    QSignalSpy outOfRange(edit, &CFreqEdit::OutOfRange);

    form.Enter(edit, "400.0125");
    QCOMPARE(edit->text(), QString("400.01250"));
    QCOMPARE(edit->GetStepCode(), StepCode::Raster12_5k);
    QCOMPARE(edit->GetBcd(), BcdFreq{0x40001250});
    form.Enter(edit, "400.003");
    QCOMPARE(edit->text(), QString("400.00000"));
    form.Enter(edit, "400.005");
    QCOMPARE(edit->GetStepCode(), StepCode::Raster5k);
    QCOMPARE(outOfRange.count(), 0);

    form.Enter(edit, "1000");
    QCOMPARE(edit->text(), QString("470.00000"));
    QTRY_COMPARE(outOfRange.count(), 1); // sent once the focus change is over
    QCOMPARE(outOfRange.at(0).at(0).toInt(), 1164);

    form.Enter(edit, "");
    QCOMPARE(edit->GetBcd(), kNoFreq);
    QCOMPARE(edit->GetStepCode(), StepCode::None);
    QCOMPARE(edit->text(), QString());

    edit->SetBcd(0x40000300); // a stored frequency on no raster shows rounded down
    QCOMPARE(edit->text(), QString("400.00000"));
    edit->setFocus();
    QTest::keyClicks(edit, "12345"); // at most 9 characters
    QCOMPARE(edit->text().size(), 9);
}

void EntryControlsTest::freqCellEditStartsTypesAndEnds() {
    QWidget grid;
    grid.setFocusPolicy(Qt::StrongFocus);
    grid.resize(400, 100);
    grid.show();
    grid.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&grid));

    CFreqCellEdit::Setup setup;
    setup.cell = QRect(10, 10, 60, 22);
    setup.row = 3;
    setup.column = 1;
    setup.initialText = "430.00000";
    setup.minCount = 40000000;
    setup.maxCount = 47000000;

    // A digit starts the edit: it replaces the text; letters are dropped; Enter ends it.
    setup.startKey = '4';
    QPointer<CFreqCellEdit> edit = new CFreqCellEdit(&grid, setup);
    QVERIFY(edit->hasFocus());
    QCOMPARE(edit->text(), QString("4"));
    QSignalSpy ended(edit.data(), &CFreqCellEdit::EditEnded);
    QTest::keyClicks(edit, "00x.0037");
    QCOMPARE(edit->text(), QString("400.0037"));
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(ended.count(), 1);
    QCOMPARE(ended.at(0).at(0).toInt(), 3);
    QCOMPARE(ended.at(0).at(1).toInt(), 1);
    QCOMPARE(ended.at(0).at(2).toString(), QString("400.00250"));
    QCOMPARE(ended.at(0).at(3).toInt(), cellkey::kReturn);
    QCOMPARE(edit->Outcome().code, GridStepCode::OffRaster);
    QVERIFY(grid.hasFocus());
    QTRY_VERIFY(edit.isNull()); // it closes itself

    // A mouse click keeps the caret at the end; arrows move it; Escape restores the first text.
    setup.startKey = cellkey::kMouseClick;
    edit = new CFreqCellEdit(&grid, setup);
    QCOMPARE(edit->cursorPosition(), 9);
    QTest::keyClick(edit, Qt::Key_Left);
    QVERIFY(!edit->Ended());
    QTest::keyClick(edit, Qt::Key_Backspace);
    QCOMPARE(edit->text(), QString("430.0000"));
    QSignalSpy escaped(edit.data(), &CFreqCellEdit::EditEnded);
    QTest::keyClick(edit, Qt::Key_Escape);
    QCOMPARE(escaped.count(), 1);
    QCOMPARE(escaped.at(0).at(2).toString(), QString("430.00000"));
    QCOMPARE(escaped.at(0).at(3).toInt(), cellkey::kEscape);

    // Started by a key, an arrow ends the edit; out-of-range text is clamped without a word.
    setup.startKey = cellkey::kDown;
    edit = new CFreqCellEdit(&grid, setup);
    QCOMPARE(edit->selectedText(), QString("430.00000"));
    QTest::keyClicks(edit, "999");
    QSignalSpy arrowed(edit.data(), &CFreqCellEdit::EditEnded);
    QTest::keyClick(edit, Qt::Key_Up);
    QCOMPARE(arrowed.at(0).at(2).toString(), QString("470.00000"));
    QCOMPARE(arrowed.at(0).at(3).toInt(), cellkey::kUp);

    // Emptied where empty is allowed, the edit still ends (with an empty cell).
    setup.startKey = cellkey::kBackspace;
    setup.initialText = "4";
    setup.allowEmpty = true;
    edit = new CFreqCellEdit(&grid, setup);
    QCOMPARE(edit->text(), QString());
    QSignalSpy emptied(edit.data(), &CFreqCellEdit::EditEnded);
    QTest::keyClick(edit, Qt::Key_Tab);
    QCOMPARE(emptied.count(), 1);
    QCOMPARE(emptied.at(0).at(2).toString(), QString());
    QCOMPARE(edit->Outcome().code, GridStepCode::Empty);

    // Typing widens the edit up to the grid's right edge.
    setup.startKey = cellkey::kReturn;
    setup.initialText = "";
    setup.cell = QRect(350, 10, 20, 22);
    edit = new CFreqCellEdit(&grid, setup);
    QTest::keyClicks(edit, "400.12345");
    QVERIFY(edit->width() > 20);
    QVERIFY(edit->geometry().right() <= grid.contentsRect().right());
}

void EntryControlsTest::ctcssEditInComboShowsToneAfterFocusLoss() {
    auto* combo = new QComboBox;
    combo->addItems({"67.0", "69.3"});
    CCtcssEdit* edit = CCtcssEdit::Attach(combo);
    edit->SetDecimalSeparator('.');
    QCOMPARE(combo->lineEdit(), edit);
    Form form(combo);
    QVERIFY(form.Show(combo));

    form.Enter(edit, "69.35");
    QCOMPARE(combo->currentText(), QString("69.3"));
    form.Enter(edit, "20");
    QCOMPARE(combo->currentText(), QString("40.0"));
    form.Enter(edit, "1a00");
    QCOMPARE(combo->currentText(), QString("100.0"));
    QCOMPARE(edit->BeepCount(), 1);
    QCOMPARE(edit->maxLength(), 5);
}

QTEST_MAIN(EntryControlsTest)
#include "EntryControlsTest.moc"
