#include "gui/ui/Translator.h"

#include "support/TestSupport.h"
#include "core/lang/CLanguage.h"
#include "gui/ui/ControlIds.h"
#include "gui/ui/DialogTemplate.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QtTest>

using namespace tav;
using namespace tav::gui;

class TranslatorTest : public QObject {
    Q_OBJECT
private slots:
    void appliesTextsListsAndModelSwitches();
};

void TranslatorTest::appliesTextsListsAndModelSwitches() {
    test::TempDir dir;
    test::WriteText(dir / "t.lng", "[Setting]\n"
                                   "S0200500=Caption from file\n"
                                   "S0200501=Label from file\n"
                                   "S0200503=1.One;2.Two;0:5:10:1:7:1:0\n"
                                   "S0200504=3.Three;0:1:2:1:0:1:0\n"
                                   "[M1]\nS0000502=1\n");
    CLanguage language(dir / "t.lng", [] { return std::string("M1"); });
    QWidget form;
    auto* layout = new QGridLayout(&form);
    const DialogTemplate dialog{500,
                                "Default caption",
                                {{501, ControlKind::Label, "Default label", 0, 0},
                                 {502, ControlKind::CheckBox, "Keeps its text", 1, 0},
                                 {503, ControlKind::ComboBox, {}, 2, 0},
                                 {504, ControlKind::ListBox, {}, 3, 0}}};
    const ControlMap controls = BuildTemplate(dialog, &form, layout);
    QCOMPARE(ControlId(controls.at(503)), 503);
    QCOMPARE(FindControl(&form, 504), controls.at(504));
    QCOMPARE(WindowClassName(ClassOf(controls.at(502))), "Button");

    TranslateDialog(&form, 500, language);
    QCOMPARE(form.windowTitle(), QString("Caption from file"));
    QCOMPARE(qobject_cast<QLabel*>(controls.at(501))->text(), QString("Label from file"));
    auto* check = qobject_cast<QCheckBox*>(controls.at(502));
    QCOMPARE(check->text(), QString("Keeps its text"));
    QVERIFY(!check->isEnabled());
    auto* combo = qobject_cast<QComboBox*>(controls.at(503));
    QCOMPARE(combo->count(), 5);
    QCOMPARE(combo->itemText(2), QString("0"));
    QCOMPARE(combo->itemData(4).toInt(), 9);
    auto* list = qobject_cast<QListWidget*>(controls.at(504));
    QCOMPARE(list->count(), 1); // range items are not listed in list boxes
    QCOMPARE(list->item(0)->data(Qt::UserRole).toInt(), 3);
}

QTEST_MAIN(TranslatorTest)
#include "TranslatorTest.moc"
