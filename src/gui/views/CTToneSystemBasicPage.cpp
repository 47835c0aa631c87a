#include "gui/views/CTToneSystemBasicPage.h"

#include "core/data/TwoToneSystemData.h"
#include "gui/app/AppContext.h"
#include "gui/views/FormFields.h"
#include "gui/views/RangeEditFactory.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLineEdit>

namespace tav::gui {
namespace {

namespace C = TwoToneSystemControls;
using Page = CTToneSystemBasicPage;

// The spin arrows carry the number after their edit's.
constexpr int kSpinOffset = 1;

struct TimingField {
    int label;
    int edit;
    int maxLength;
    const char* caption;
};

constexpr TimingField kTimings[] = {
    {Page::kPretimeLabel, C::kPretime, 5, "Pretime [ms]"},
    {Page::kFirstToneLabel, C::kFirstToneDuration, 3, "1st Tone Duration [s]"},
    {Page::kSecondToneLabel, C::kSecondToneDuration, 3, "2nd Tone Duration [s]"},
    {Page::kLongToneLabel, C::kLongToneDuration, 3, "Long Tone Duration [s]"},
    {Page::kGapLabel, C::kGapTime, 3, "Gap Time [s]"}};

DialogTemplate BasicTemplate() {
    DialogTemplate dialog{C::kBasicPage, QStringLiteral("Basic"), {}};
    int row = 0;
    for (const TimingField& field : kTimings) {
        dialog.controls.push_back(
            {field.label, ControlKind::Label, QString::fromLatin1(field.caption), row, 0});
        dialog.controls.push_back({field.edit, ControlKind::Custom, {}, row, 1});
        dialog.controls.push_back({field.edit + kSpinOffset, ControlKind::Custom, {}, row, 2});
        ++row;
    }
    dialog.controls.push_back({C::kSidetone, ControlKind::CheckBox, QStringLiteral("Sidetone"), row, 1});
    dialog.controls.push_back(
        {C::kShortBeep, ControlKind::CheckBox, QStringLiteral("Short Beep"), row + 1, 1, 1, 1, true});
    return dialog;
}

std::vector<RangeEditDecl> TimingEdits() {
    std::vector<RangeEditDecl> edits;
    for (const TimingField& field : kTimings) {
        edits.push_back({field.edit, field.edit + kSpinOffset, field.maxLength});
    }
    return edits;
}

} // namespace

CTToneSystemBasicPage::CTToneSystemBasicPage(AppContext& context, EditorHost* host, QWidget* parent)
    : CTToneSystemPage(context, host, C::kBasicPage, parent) {
    const ControlMap controls =
        BuildPage(BasicTemplate(), RangeEditFactory(context.Language(), TimingEdits()));
    std::vector<std::pair<int, int>> names;
    for (const TimingField& field : kTimings) {
        names.emplace_back(field.label, field.edit);
    }
    FormFields::NameFields(controls, names);
    // Spare width goes to the right of the arrows, not between a label and its edit.
    PageLayout()->setColumnStretch(3, 1);
}

void CTToneSystemBasicPage::LoadView() {
    const TwoToneSystemData* system = System();
    if (!system) {
        return;
    }
    TwoToneSystemBasicUi ui;
    system->LoadBasicUi(ui, Context().Language());
    const std::string* texts[] = {&ui.pretime, &ui.firstToneDuration, &ui.secondToneDuration,
                                  &ui.longToneDuration, &ui.gapTime};
    for (std::size_t i = 0; i < std::size(kTimings); ++i) {
        FormFields::SetText(qobject_cast<QLineEdit*>(Control(kTimings[i].edit)), *texts[i]);
    }
    FormFields::SetChecked(qobject_cast<QCheckBox*>(Control(C::kSidetone)), ui.sidetone);
    FormFields::SetChecked(qobject_cast<QCheckBox*>(Control(C::kShortBeep)), ui.shortBeep);
}

void CTToneSystemBasicPage::StoreView() {
    TwoToneSystemData* system = System();
    if (!system) {
        return;
    }
    TwoToneSystemBasicUi ui;
    std::string* texts[] = {&ui.pretime, &ui.firstToneDuration, &ui.secondToneDuration, &ui.longToneDuration,
                            &ui.gapTime};
    for (std::size_t i = 0; i < std::size(kTimings); ++i) {
        *texts[i] = FormFields::Text(qobject_cast<QLineEdit*>(Control(kTimings[i].edit)));
    }
    ui.sidetone = FormFields::IsChecked(qobject_cast<QCheckBox*>(Control(C::kSidetone)));
    ui.shortBeep = FormFields::IsChecked(qobject_cast<QCheckBox*>(Control(C::kShortBeep)));
    system->StoreBasicUi(ui, Context().Language());
}

void CTToneSystemBasicPage::OnControlChanged(int controlId, int /*notifyCode*/) {
    FormFields::CommitEntry(Control(controlId));
}

} // namespace tav::gui
