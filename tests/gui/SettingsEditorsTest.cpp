// The keys, miscellaneous options and passwords editors: what they show, what they store (checked in
// the image after a full store) and the controls that depend on others.
#include "ShellTestSupport.h"
#include "core/data/ImageMap.h"
#include "core/data/KeysData.h"
#include "core/data/MiscData.h"
#include "core/data/PasswordsData.h"
#include "gui/app/CChildFrame.h"
#include "gui/app/CMainFrame.h"
#include "gui/ui/ControlIds.h"
#include "gui/views/CViewBtnKey.h"
#include "gui/views/CViewMis.h"
#include "gui/views/CViewPassword.h"
#include "gui/views/ControlChangeWatcher.h"
#include "gui/views/PasswordEntry.h"

#include <QPushButton>
#include <QtTest>

using namespace tav;
using namespace tav::gui;
using namespace tav::gui::test;

namespace {

/// The image after every data object was stored into it.
Image Saved(AppContext& context) {
    context.Container().StoreAll();
    return context.Container().image();
}

/// Chooses an item as the user does: the selection, then the drop-down's change event.
void Choose(CCustomFormView& view, QComboBox* combo, const QString& text) {
    QVERIFY(combo);
    const int index = combo->findText(text);
    QVERIFY2(index >= 0, qPrintable(text));
    combo->setCurrentIndex(index);
    view.ControlChanged(ControlId(combo), NotifyCodes::kSelectionChanged);
}

/// The bytes of the image that differ between two images.
std::vector<std::size_t> Differences(const Image& a, const Image& b) {
    std::vector<std::size_t> at;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i] != b[i]) {
            at.push_back(i);
        }
    }
    return at;
}

} // namespace

class SettingsEditorsTest : public QObject {
    Q_OBJECT
private slots:
    void init() { ctx_ = std::make_unique<TestContext>(); }
    void cleanup() { ctx_.reset(); }

    void keysShowTheirFunctionsAndStoreOnlyTheChangedKey();
    void keysSwitchedOffForTheModelCannotBeChanged();
    void optionsStoreTheirBitsAndBatterySaveEnablesItsMode();
    void passwordsTakeDigitsOnlyAndStoreThemPadded();
    void writePasswordChangesOnlyWhenConfirmed();
    void fieldsAreNamedByTheirLabels();
    void everyEditorOpensFromTheMainFrame();

private:
    std::unique_ptr<TestContext> ctx_;
    CountingHost host_;
};

void SettingsEditorsTest::keysShowTheirFunctionsAndStoreOnlyTheChangedKey() {
    CViewBtnKey view(**ctx_, &host_);
    view.OnInitialUpdate();
    // New data: A3 is Alarm (24), B3 is VOX (17), the others None.
    QCOMPARE(view.KeyList(1)->currentText(), QStringLiteral("None"));
    QCOMPARE(view.KeyList(2)->currentText(), QStringLiteral("Alarm"));
    QCOMPARE(view.KeyList(5)->currentText(), QStringLiteral("VOX"));
    const struct {
        std::size_t key;
        const char* function;
        int value;
    } cases[] = {{1, "Monitor", 1}, {2, "Scan", 6}, {4, "Key Lock", 12}, {5, "Emergency", 18}};
    for (const auto& c : cases) {
        const Image before = Saved(**ctx_);
        Choose(view, view.KeyList(c.key), QString::fromLatin1(c.function));
        const Image after = Saved(**ctx_);
        const std::vector<std::size_t> expected{ImageMap::kKeys + c.key};
        QCOMPARE(Differences(before, after), expected);
        QCOMPARE(int(after[ImageMap::kKeys + c.key]), c.value);
    }
    QCOMPARE(host_.calls.size(), std::size(cases));
}

void SettingsEditorsTest::keysSwitchedOffForTheModelCannotBeChanged() {
    // The language file switches key B2 off for the current model.
    const auto lng = ctx_->home / "TAV_E.lng";
    std::string text = tav::test::ReadText(lng);
    text.replace(text.find("[TAV-V300]\n"), 11, "[TAV-V300]\nS0006620=1\n");
    tav::test::WriteText(lng, text);
    CViewBtnKey view(**ctx_, &host_);
    view.OnInitialUpdate();
    QVERIFY(!view.KeyList(4)->isEnabled());
    QVERIFY(view.KeyList(1)->isEnabled() && view.KeyList(2)->isEnabled() && view.KeyList(5)->isEnabled());
    const Image before = Saved(**ctx_);
    view.StoreView();
    QCOMPARE(Saved(**ctx_), before);
}

void SettingsEditorsTest::optionsStoreTheirBitsAndBatterySaveEnablesItsMode() {
    CViewMis view(**ctx_, &host_);
    view.OnInitialUpdate();
    QVERIFY(view.Check(MiscData::kBatterySaveCheckId)->isChecked());
    QVERIFY(view.List(MiscData::kBatterySaveModeListId)->isEnabled());
    const struct {
        int list;
        const char* text;
        std::size_t address;
        std::uint8_t mask;
        std::uint8_t expected;
    } cases[] = {
        {MiscData::kVoxGainListId, "5", 150, 0x07, 4},
        {MiscData::kVoxDelayListId, "2.0", 151, 0xFF, 20},
        {MiscData::kSquelchLevelListId, "9", 153, 0xFF, 9},
        {MiscData::kTailRevertListId, "Standard", 217, 0x02, 0},
        {MiscData::kLowPowerAlertGapListId, "30", 218, 0xFF, 30},
        {MiscData::kBatterySaveModeListId, "Ratio 1/4", 221, 0x07, 4},
    };
    for (const auto& c : cases) {
        const Image before = Saved(**ctx_);
        Choose(view, view.List(c.list), QString::fromLatin1(c.text));
        const Image after = Saved(**ctx_);
        QCOMPARE(int(after[c.address] & c.mask), int(c.expected));
        QCOMPARE(int(after[c.address] & ~c.mask) & 0xFF, int(before[c.address] & ~c.mask) & 0xFF);
        QCOMPARE(Differences(before, after).size() <= 1, true);
    }
    // Battery Save off: its mode is switched off and only bit 0 of byte 217 changes.
    const Image before = Saved(**ctx_);
    view.Check(MiscData::kBatterySaveCheckId)->click();
    QVERIFY(!view.List(MiscData::kBatterySaveModeListId)->isEnabled());
    Image after = Saved(**ctx_);
    QCOMPARE(int(after[217]), before[217] & ~1);
    view.Check(MiscData::kVoxInhibitCheckId)->click();
    after = Saved(**ctx_);
    QCOMPARE(int(after[150] & 0x08), (before[150] & 0x08) ^ 0x08);
    view.Check(MiscData::kBatterySaveCheckId)->click();
    QVERIFY(view.List(MiscData::kBatterySaveModeListId)->isEnabled());
}

void SettingsEditorsTest::passwordsTakeDigitsOnlyAndStoreThemPadded() {
    auto window = std::make_unique<CViewPassword>(**ctx_, &host_, std::make_shared<ScriptedPasswordEntry>());
    CViewPassword& view = *window;
    view.OnInitialUpdate();
    QVERIFY(ShowActive(&view));
    QLineEdit* read = view.Edit(PasswordsData::kReadEditId);
    QVERIFY(view.Edit(PasswordsData::kPowerOnEditId)->isHidden());
    QVERIFY(view.Edit(PasswordsData::kWriteDealerEditId)->isReadOnly());
    QCOMPARE(view.Edit(PasswordsData::kWriteDealerEditId)->echoMode(), QLineEdit::Password);
    const struct {
        const char* typed;
        const char* shown;
    } cases[] = {{"1234", "1234"}, {"12a3b4", "1234"}, {"1234567890", "12345678"}, {"", ""}};
    for (const auto& c : cases) {
        read->setFocus();
        read->clear();
        QTest::keyClicks(read, QString::fromLatin1(c.typed));
        QCOMPARE(read->text(), QString::fromLatin1(c.shown));
        view.CommitFocusedControl();
        const Image image = Saved(**ctx_);
        std::array<std::uint8_t, 8> expected{};
        std::copy_n(c.shown, std::strlen(c.shown), expected.begin());
        QVERIFY(std::equal(expected.begin(), expected.end(),
                           image.begin() + ImageMap::kPasswords + PasswordsData::kReadOffset));
    }
}

void SettingsEditorsTest::writePasswordChangesOnlyWhenConfirmed() {
    auto entry = std::make_shared<ScriptedPasswordEntry>();
    CViewPassword view(**ctx_, &host_, entry);
    view.OnInitialUpdate();
    auto* button = qobject_cast<QPushButton*>(view.Control(PasswordsData::kChangeButtonId));
    const struct {
        std::optional<QString> first;
        std::optional<QString> again;
        const char* stored;
        bool told;
    } cases[] = {
        {QStringLiteral("4711"), QStringLiteral("4711"), "4711", false},
        {QStringLiteral("1234"), QStringLiteral("1243"), "4711", true}, // differs: kept
        {QStringLiteral("999"), std::nullopt, "4711", false},           // cancelled: kept
        {std::nullopt, std::nullopt, "4711", false},
        {QStringLiteral(""), QStringLiteral(""), "", false}, // empty: no password
    };
    for (const auto& c : cases) {
        entry->Queue(c.first);
        if (c.first) {
            entry->Queue(c.again);
        }
        ctx_->prompts->Forget();
        button->click();
        const Image image = Saved(**ctx_);
        std::array<std::uint8_t, 8> expected{};
        std::copy_n(c.stored, std::strlen(c.stored), expected.begin());
        QVERIFY(std::equal(expected.begin(), expected.end(),
                           image.begin() + ImageMap::kPasswords + PasswordsData::kWriteDealerOffset));
        QCOMPARE(ctx_->prompts->asked().size(), c.told ? 1u : 0u);
        QCOMPARE(view.Edit(PasswordsData::kWriteDealerEditId)->text(), QString::fromLatin1(c.stored));
    }
    QCOMPARE(entry->Prompts()[1], QStringLiteral("Please enter the password again:"));
}

void SettingsEditorsTest::fieldsAreNamedByTheirLabels() {
    CViewBtnKey keys(**ctx_, &host_);
    CViewMis misc(**ctx_, &host_);
    CViewPassword passwords(**ctx_, &host_, nullptr);
    const struct {
        QWidget* field;
        const char* name;
    } cases[] = {
        {keys.KeyList(1), "Key A2"},
        {keys.KeyList(5), "Key B3"},
        {misc.List(MiscData::kVoxDelayListId), "VOX Delay Time"},
        {misc.List(MiscData::kLowPowerAlertGapListId), "Low Power Alert  Gap Time[s]"},
        {misc.List(MiscData::kBatterySaveModeListId), "Battery Save Mode"},
        {passwords.Edit(PasswordsData::kWriteDealerEditId), "Write/Tune/Dealer Password"},
        {passwords.Edit(PasswordsData::kReadEditId), "Read Password"},
    };
    for (const auto& c : cases) {
        QCOMPARE(c.field->accessibleName(), QString::fromLatin1(c.name));
    }
}

void SettingsEditorsTest::everyEditorOpensFromTheMainFrame() {
    CMainFrame frame(**ctx_);
    const struct {
        int viewId;
        const char* title;
        const char* className;
        int current;
    } cases[] = {
        {ViewIds::kKeys, "Programmable Keys", "tav::gui::CViewBtnKey", 0},
        {ViewIds::kMisc, "Miscellaneous", "tav::gui::CViewMis", 0},
        {ViewIds::kPassword, "Passwords", "tav::gui::CViewPassword", 0},
        {ViewIds::kAlertTone, "Alert Tone 3", "tav::gui::CViewAlertTone", 3},
    };
    for (const auto& c : cases) {
        CChildFrame* child = frame.OpenEditor(c.viewId, QString::fromLatin1(c.title), 5);
        QVERIFY2(child && child->View(), c.title);
        QCOMPARE(child->View()->metaObject()->className(), c.className);
        QCOMPARE(child->View()->Position() ? child->View()->Position()->current : 0, c.current);
    }
}

QTEST_MAIN(SettingsEditorsTest)
#include "SettingsEditorsTest.moc"
