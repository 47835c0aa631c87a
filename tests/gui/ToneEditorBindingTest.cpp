// The alert tone, two-tone system and two-tone call editors load and store their controls through the
// records' field tables: what each control shows is what the data object reads, what the controls
// hold after a change is what the data object stores, and every control is named by its label.
#include "ShellTestSupport.h"
#include "core/compare/FieldTable.h"
#include "core/data/AlertToneData.h"
#include "core/data/TwoToneCallData.h"
#include "core/data/TwoToneSystemData.h"
#include "gui/controls/NumericRangeEdit.h"
#include "gui/views/CViewAlertTone.h"
#include "gui/views/CViewTToneCall.h"
#include "gui/views/CViewTToneSystem.h"
#include "gui/views/CViewTToneSystemSheet.h"

#include <QCheckBox>
#include <QComboBox>
#include <QtTest>
#include <functional>
#include <random>

using namespace tav;
using namespace tav::gui;
using namespace tav::gui::test;

namespace {

/// What the control shows, read through Qt itself rather than the binding under test.
RecordValue ControlShows(QWidget* control, FieldControl kind) {
    switch (kind) {
    case FieldControl::Check:
        return qobject_cast<QCheckBox*>(control)->isChecked() ? 1 : 0;
    case FieldControl::ListText: {
        auto* list = qobject_cast<QComboBox*>(control);
        return list->currentIndex() < 0 ? std::string() : list->currentText().toStdString();
    }
    case FieldControl::ListIndex:
        return qobject_cast<QComboBox*>(control)->currentIndex();
    case FieldControl::RangeText:
        return qobject_cast<QLineEdit*>(control)->text().toStdString();
    case FieldControl::RangeNumber:
    case FieldControl::RangeNumberOff:
        return static_cast<int>(qobject_cast<NumericRangeEdit*>(control)->Raw());
    case FieldControl::Choice: {
        auto* list = qobject_cast<QComboBox*>(control);
        TwoToneChoiceList choices;
        for (int i = 0; i < list->count(); ++i) {
            choices.Add(list->itemText(i).toStdString(),
                        static_cast<ObjectId>(list->itemData(i).toULongLong()));
        }
        choices.selected = list->currentIndex();
        choices.enabled = list->isEnabled();
        return choices;
    }
    }
    return 0;
}

/// Whether the control shows the value: a choice by its items and selection.
bool Shows(const RecordValue& shown, const RecordValue& value) {
    const auto* a = std::get_if<TwoToneChoiceList>(&shown);
    const auto* b = std::get_if<TwoToneChoiceList>(&value);
    if (a && b) {
        return a->texts == b->texts && a->selected == b->selected;
    }
    return !a && !b && shown.index() == value.index() &&
           (std::holds_alternative<int>(shown)
                ? std::get<int>(shown) == std::get<int>(value)
                : std::get<std::string>(shown) == std::get<std::string>(value));
}

/// A text of the edit's language range other than the one it shows.
QString OtherRangeText(const TextLookup& texts, int controlId, const QString& now) {
    for (const int raw : {0, 5, 10, 100, 3000, 5000, 12345}) {
        const QString text = QString::fromStdString(texts.ListValueToText(controlId, raw));
        if (!text.isEmpty() && text != now) {
            return text;
        }
    }
    return now;
}

/// Changes the control as a user would: toggles a box, picks the next item, types another value.
void ChangeControl(QWidget* control, FieldControl kind, int controlId, const TextLookup& texts) {
    switch (kind) {
    case FieldControl::Check: {
        auto* box = qobject_cast<QCheckBox*>(control);
        box->setChecked(!box->isChecked());
        break;
    }
    case FieldControl::ListText:
    case FieldControl::ListIndex:
    case FieldControl::Choice: {
        auto* list = qobject_cast<QComboBox*>(control);
        if (list->count() > 0) {
            list->setCurrentIndex((list->currentIndex() + 1) % list->count());
        }
        break;
    }
    case FieldControl::RangeText: {
        auto* edit = qobject_cast<QLineEdit*>(control);
        edit->setText(OtherRangeText(texts, controlId, edit->text()));
        break;
    }
    case FieldControl::RangeNumber:
    case FieldControl::RangeNumberOff: {
        auto* edit = qobject_cast<QLineEdit*>(control);
        edit->setText(edit->text() == QStringLiteral("100") ? QStringLiteral("50") : QStringLiteral("100"));
        break;
    }
    }
}

void FillRandom(std::span<std::uint8_t> bytes, unsigned seed) {
    std::mt19937 rng(seed);
    for (auto& byte : bytes) {
        byte = static_cast<std::uint8_t>(rng());
    }
}

/// One editor over one record: the form that shows the table's fields, how the record reads its
/// fields and how it stores them.
template <class Data, class Ui> struct Binding {
    const EditorForm& form;
    const RecordFieldTable<Data, Ui>& table;
    Data& data;
    std::function<Ui()> load;
    std::function<void()> storeView;
    std::function<void(const Ui&)> store;
};

/// Checks every field's control against the data object's reading, changes every control, stores,
/// and checks the bytes against the data object storing what the controls show.
template <class Data, class Ui> void CheckEditor(const Binding<Data, Ui>& b, const TextLookup& texts) {
    const Ui loaded = b.load();
    for (const RecordField<Data, Ui>& field : b.table) {
        QWidget* control = b.form.Control(field.controlId);
        QVERIFY2(control, field.key.c_str());
        QVERIFY2(Shows(ControlShows(control, field.control), field.slot.get(loaded)), field.key.c_str());
    }
    const std::vector<std::uint8_t> before(b.data.Bytes().begin(), b.data.Bytes().end());
    for (const RecordField<Data, Ui>& field : b.table) {
        ChangeControl(b.form.Control(field.controlId), field.control, field.controlId, texts);
    }
    b.storeView();
    Ui expected = loaded;
    for (const RecordField<Data, Ui>& field : b.table) {
        field.slot.set(expected, ControlShows(b.form.Control(field.controlId), field.control));
    }
    const std::vector<std::uint8_t> stored(b.data.Bytes().begin(), b.data.Bytes().end());
    QVERIFY(stored != before);
    std::copy(before.begin(), before.end(), b.data.Bytes().begin());
    b.store(expected);
    QCOMPARE(stored, std::vector<std::uint8_t>(b.data.Bytes().begin(), b.data.Bytes().end()));
}

/// Every control with a label of its own is named by the label's text; a decode's controls by their
/// column and the decode's number.
template <class Data, class Ui>
void CheckNames(const EditorForm& form, const RecordFieldTable<Data, Ui>& table, const TextLookup& texts) {
    for (const RecordField<Data, Ui>& field : table) {
        if (field.label.textId == field.controlId) {
            continue; // a check box is its own label
        }
        QWidget* control = form.Control(field.controlId);
        QVERIFY2(control, field.key.c_str());
        std::string name = FieldLabel(texts, field.label.textId, field.label.fallback);
        if (field.group.textId != 0) {
            name += " " + std::to_string(field.group.textId - TwoToneSystemControls::kFirstDecodeLabel + 1);
        } else if (field.control == FieldControl::RangeNumberOff ||
                   field.control == FieldControl::RangeNumber) {
            if (field.controlId != AlertToneControls::kBeepSegments) {
                continue; // a segment's edits are named by their row and column
            }
        }
        QCOMPARE(control->accessibleName().toStdString(), name);
    }
}

} // namespace

class ToneEditorBindingTest : public QObject {
    Q_OBJECT
private slots:
    void init() { ctx_ = std::make_unique<TestContext>(); }
    void cleanup() { ctx_.reset(); }

    void editorsAgreeWithTheirDataObjects_data() {
        QTest::addColumn<unsigned>("seed");
        QTest::newRow("defaults") << 0U;
        QTest::newRow("random 1") << 1U;
        QTest::newRow("random 2") << 2U;
    }

    void editorsAgreeWithTheirDataObjects() {
        QFETCH(unsigned, seed);
        CDataContainer& c = ctx_->context->Container();
        const TextLookup& texts = ctx_->context->Language();
        CountingHost host;

        CViewAlertTone alert(**ctx_, &host, nullptr, nullptr);
        alert.OnInitialUpdate();
        AlertToneData& tone = c.AlertTones().At(0);
        if (seed != 0) {
            FillRandom(tone.Bytes(), seed);
            alert.LoadView();
        }
        CheckEditor<AlertToneData, AlertToneUi>({alert, AlertToneData::EditorFields(), tone,
                                                 [&] {
                                                     AlertToneUi ui;
                                                     tone.LoadUi(ui, texts);
                                                     return ui;
                                                 },
                                                 [&] { alert.StoreView(); },
                                                 [&](const AlertToneUi& ui) { tone.StoreUi(ui, texts); }},
                                                texts);

        CViewTToneSystem systems(**ctx_, &host);
        systems.OnInitialUpdate();
        TwoToneSystemData& system = c.TwoToneSystems().At(0);
        if (seed != 0) {
            // The decodes keep their distinct call formats (the page offers a format to one decode
            // only), and the alert tone numbers follow the references the system already has.
            std::array<std::uint8_t, TwoToneSystemLayout::kDecodeCount> formats{};
            for (std::size_t k = 0; k < formats.size(); ++k) {
                formats[k] = system.Bytes()[TwoToneSystemLayout::DecodeFormatOffset(k)];
            }
            FillRandom(system.Bytes(), seed);
            for (std::size_t k = 0; k < formats.size(); ++k) {
                system.Bytes()[TwoToneSystemLayout::DecodeFormatOffset(k)] = formats[k];
            }
            TwoToneSystemAdvanceUi ui;
            system.LoadAdvanceUi(ui, texts, c);
            system.StoreAdvanceUi(ui, texts);
            systems.LoadView();
        }
        const auto& pages = systems.SystemSheet()->Pages();
        CheckEditor<TwoToneSystemData, TwoToneSystemBasicUi>(
            {*pages[0], TwoToneSystemData::BasicFields(), system,
             [&] {
                 TwoToneSystemBasicUi ui;
                 system.LoadBasicUi(ui, texts);
                 return ui;
             },
             [&] { systems.StoreView(); },
             [&](const TwoToneSystemBasicUi& ui) { system.StoreBasicUi(ui, texts); }},
            texts);
        systems.LoadView();
        CheckEditor<TwoToneSystemData, TwoToneSystemAdvanceUi>(
            {*pages[1], TwoToneSystemData::AdvanceFields(), system,
             [&] {
                 TwoToneSystemAdvanceUi ui;
                 system.LoadAdvanceUi(ui, texts, c);
                 return ui;
             },
             [&] { systems.StoreView(); },
             [&](const TwoToneSystemAdvanceUi& ui) { system.StoreAdvanceUi(ui, texts); }},
            texts);

        CViewTToneCall calls(**ctx_, &host);
        calls.OnInitialUpdate();
        TwoToneCallData& call = c.TwoToneCalls().At(0);
        if (seed != 0) {
            // The stored positions follow the references the call already has.
            FillRandom(call.Bytes(), seed);
            TwoToneCallUi ui;
            call.LoadUi(ui, texts, c);
            call.StoreUi(ui, texts);
            calls.LoadView();
        }
        CheckEditor<TwoToneCallData, TwoToneCallUi>(
            {calls, TwoToneCallData::EditorFields(), call,
             [&] {
                 TwoToneCallUi ui;
                 call.LoadUi(ui, texts, c);
                 return ui;
             },
             [&] { calls.StoreView(); }, [&](const TwoToneCallUi& ui) { call.StoreUi(ui, texts); }},
            texts);
    }

    void fieldsAreNamedByTheirLabels() {
        CountingHost host;
        const TextLookup& texts = ctx_->context->Language();
        CViewAlertTone alert(**ctx_, &host, nullptr, nullptr);
        CViewTToneSystem systems(**ctx_, &host);
        CViewTToneCall calls(**ctx_, &host);
        CheckNames(alert, AlertToneData::EditorFields(), texts);
        CheckNames(*systems.SystemSheet()->Pages()[0], TwoToneSystemData::BasicFields(), texts);
        CheckNames(*systems.SystemSheet()->Pages()[1], TwoToneSystemData::AdvanceFields(), texts);
        CheckNames(calls, TwoToneCallData::EditorFields(), texts);
    }

private:
    std::unique_ptr<TestContext> ctx_;
};

QTEST_MAIN(ToneEditorBindingTest)
#include "ToneEditorBindingTest.moc"
