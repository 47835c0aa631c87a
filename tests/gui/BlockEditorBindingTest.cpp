// The DOS, PTT-ID, ATIS, programmable keys and miscellaneous editors load and store their controls through
// the blocks' field tables: what each control shows is what the data object reads, and what the controls hold
// after a change is what the data object stores.
#include "ShellTestSupport.h"
#include "core/compare/FieldTable.h"
#include "core/data/AtisData.h"
#include "core/data/DosData.h"
#include "core/data/KeysData.h"
#include "core/data/MiscData.h"
#include "core/data/PttIdData.h"
#include "gui/controls/DigitStringEdit.h"
#include "gui/views/CViewAtis.h"
#include "gui/views/CViewBtnKey.h"
#include "gui/views/CViewDos.h"
#include "gui/views/CViewKDS12PTTID.h"
#include "gui/views/CViewMis.h"

#include <QCheckBox>
#include <QComboBox>
#include <QtTest>
#include <random>

using namespace tav;
using namespace tav::gui;
using namespace tav::gui::test;

namespace {

/// What the control shows, read through Qt itself rather than the binding under test: a check
/// box's state, a list's selected text (empty without a selection), an edit's text.
BlockValue ControlShows(QWidget* control, const BlockFieldInfo& field) {
    switch (field.codec) {
    case BlockCodec::Check:
    case BlockCodec::CheckOff:
        return qobject_cast<QCheckBox*>(control)->isChecked() ? 1 : 0;
    case BlockCodec::ListItem: {
        auto* list = qobject_cast<QComboBox*>(control);
        return list->currentIndex() < 0 ? std::string() : list->currentText().toStdString();
    }
    case BlockCodec::HexId:
    case BlockCodec::HexIdLe:
        return qobject_cast<QLineEdit*>(control)->text().toStdString();
    case BlockCodec::Digits:
        return AtisCodeFromText(qobject_cast<QLineEdit*>(control)->text().toStdString());
    case BlockCodec::ChannelNumber: {
        const int index = qobject_cast<QComboBox*>(control)->currentIndex();
        return index < 0 ? kNoChannelPosition : index;
    }
    case BlockCodec::ZeroEndedText:
    case BlockCodec::SecretText:
    case BlockCodec::DateTime:
    case BlockCodec::FileHeader:
    case BlockCodec::Rule:
        return qobject_cast<QLineEdit*>(control)->text().toStdString();
    }
    return 0;
}

/// Changes the control as a user would: toggles a box, picks the next item, types another ID or code.
void ChangeControl(QWidget* control, const BlockFieldInfo& field) {
    switch (field.codec) {
    case BlockCodec::Check:
    case BlockCodec::CheckOff: {
        auto* box = qobject_cast<QCheckBox*>(control);
        box->setChecked(!box->isChecked());
        break;
    }
    case BlockCodec::ListItem:
    case BlockCodec::ChannelNumber: {
        auto* list = qobject_cast<QComboBox*>(control);
        if (list->count() > 0) {
            list->setCurrentIndex((list->currentIndex() + 1) % list->count());
        }
        break;
    }
    case BlockCodec::HexId:
    case BlockCodec::HexIdLe:
        qobject_cast<QLineEdit*>(control)->setText(QStringLiteral("0ABC"));
        break;
    case BlockCodec::Digits:
        qobject_cast<QLineEdit*>(control)->setText(QStringLiteral("000000123456"));
        break;
    case BlockCodec::ZeroEndedText:
    case BlockCodec::SecretText:
        qobject_cast<QLineEdit*>(control)->setText(QStringLiteral("1234"));
        break;
    case BlockCodec::DateTime:
    case BlockCodec::FileHeader: // shown only, never stored
        break;
    case BlockCodec::Rule:
        qobject_cast<QLineEdit*>(control)->setText(QStringLiteral("Changed"));
        break;
    }
}

void FillRandom(std::span<std::uint8_t> bytes, unsigned seed) {
    std::mt19937 rng(seed);
    for (auto& byte : bytes) {
        byte = static_cast<std::uint8_t>(rng());
    }
}

/// Loads the editor over a block of random bytes (or its defaults), checks every field's control
/// against the data object's reading, changes every shown control, stores, and checks the bytes
/// against the data object storing what the controls show.
template <class View, class Data, class Ui>
void CheckEditor(TestContext& ctx, Data& data, const BlockFieldTable<Ui>& table, unsigned seed) {
    const TextLookup& texts = ctx->Language();
    if (seed != 0) {
        FillRandom(data.Bytes(), seed);
    }
    CountingHost host;
    View view(*ctx, &host);
    view.OnInitialUpdate();
    Ui loaded;
    data.LoadUi(loaded, texts);
    for (const BlockField<Ui>& field : table) {
        QWidget* control = view.Control(field.controlId);
        QVERIFY2(control, field.key);
        QVERIFY2(ControlShows(control, field) == field.slot.get(loaded), field.key);
    }

    const std::vector<std::uint8_t> before(data.Bytes().begin(), data.Bytes().end());
    Ui expected = loaded;
    for (const BlockField<Ui>& field : table) {
        // Hidden controls too: a field the editor only shows must not be stored even when changed.
        QWidget* control = view.Control(field.controlId);
        ChangeControl(control, field);
        if (field.stored) {
            const BlockValue shown = ControlShows(control, field);
            if (field.codec != BlockCodec::ListItem || !std::get<std::string>(shown).empty()) {
                field.slot.set(expected, shown);
            }
        }
    }
    view.StoreView();
    const std::vector<std::uint8_t> stored(data.Bytes().begin(), data.Bytes().end());

    std::copy(before.begin(), before.end(), data.Bytes().begin());
    data.StoreUi(expected, texts);
    const std::vector<std::uint8_t> wanted(data.Bytes().begin(), data.Bytes().end());
    QCOMPARE(stored, wanted);
}

} // namespace

class BlockEditorBindingTest : public QObject {
    Q_OBJECT
private slots:
    void init() { ctx_ = std::make_unique<TestContext>(); }
    void cleanup() { ctx_.reset(); }

    void editorsAgreeWithTheirDataObjects_data() {
        QTest::addColumn<unsigned>("seed");
        QTest::newRow("defaults") << 0U;
        QTest::newRow("random 1") << 1U;
        QTest::newRow("random 2") << 2U;
        QTest::newRow("random 3") << 3U;
    }

    void editorsAgreeWithTheirDataObjects() {
        QFETCH(unsigned, seed);
        CDataContainer& c = ctx_->context->Container();
        CheckEditor<CViewDos>(*ctx_, c.Dos(), DosData::EditorFields(), seed);
        CheckEditor<CViewAtis>(*ctx_, c.Atis(), AtisData::EditorFields(), seed);
        CheckEditor<CViewBtnKey>(*ctx_, c.Keys(), KeysData::EditorFields(), seed);
        CheckEditor<CViewMis>(*ctx_, c.Misc(), MiscData::EditorFields(), seed);
    }

    // The block shows the first personality's fields and stores into them.
    void pttIdEditorAgreesWithTheFirstPersonality() {
        CheckEditor<CViewKDS12PTTID>(*ctx_, ctx_->context->Container().PttId(), PttIdData::EditorFields(), 0);
        PttIdData& pttId = ctx_->context->Container().PttId();
        const PttIdData::Fields current = pttId.Current();
        std::vector<std::uint8_t> own(pttId.Bytes().begin(), pttId.Bytes().end());
        QCOMPARE(own, std::vector<std::uint8_t>(current.begin(), current.end()));
    }

    // Every field is named by its label, whose text is the one the compare and the report use.
    void fieldsAreNamedAsTheCompareNamesThem() {
        CountingHost host;
        CViewDos dos(**ctx_, &host);
        CViewKDS12PTTID pttId(**ctx_, &host);
        CViewAtis atis(**ctx_, &host);
        CViewBtnKey keys(**ctx_, &host);
        CViewMis misc(**ctx_, &host);
        const TextLookup& texts = ctx_->context->Language();
        const auto check = [&texts](const EditorForm& view, const auto& table) {
            for (const auto& field : table) {
                if (field.labelId == field.controlId) {
                    continue; // a check box is its own label
                }
                QWidget* control = view.Control(field.controlId);
                QVERIFY2(control, field.key);
                QCOMPARE(control->accessibleName().toStdString(),
                         FieldLabel(texts, field.labelId, field.fallback));
            }
        };
        check(dos, DosData::EditorFields());
        check(pttId, PttIdData::EditorFields());
        check(atis, AtisData::EditorFields());
        check(keys, KeysData::EditorFields());
        check(misc, MiscData::EditorFields());
    }

private:
    std::unique_ptr<TestContext> ctx_;
};

QTEST_MAIN(BlockEditorBindingTest)
#include "BlockEditorBindingTest.moc"
