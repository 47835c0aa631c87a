#include "gui/views/CTToneSystemBasicPage.h"

#include "core/data/TwoToneSystemData.h"
#include "gui/app/AppContext.h"
#include "gui/views/FormFields.h"
#include "gui/views/RangeEditFactory.h"
#include "gui/views/RecordFieldControls.h"

#include <QGridLayout>

namespace tav::gui {
namespace {

namespace C = TwoToneSystemControls;
namespace R = RecordFieldControls;

// The spin arrows carry the number after their edit's.
constexpr int kSpinOffset = 1;
// The pretime edit takes five digits, the durations three.
constexpr int kPretimeDigits = 5;
constexpr int kDurationDigits = 3;

/// The page shows the table's fields from the top: each timing edit with its label and arrows,
/// then the boxes (the short beep box is kept hidden).
DialogTemplate BasicTemplate() {
    DialogTemplate dialog{C::kBasicPage, QStringLiteral("Basic"), {}};
    int row = 0;
    for (const auto& field : TwoToneSystemData::BasicFields()) {
        if (field.control == FieldControl::Check) {
            const bool hidden = field.controlId == C::kShortBeep;
            dialog.controls.push_back(R::LabelSpec(field.control, field.label, row++, 1, hidden));
            continue;
        }
        dialog.controls.push_back(R::LabelSpec(field.control, field.label, row, 0));
        dialog.controls.push_back({field.controlId, ControlKind::Custom, {}, row, 1});
        dialog.controls.push_back({field.controlId + kSpinOffset, ControlKind::Custom, {}, row, 2});
        ++row;
    }
    return dialog;
}

std::vector<RangeEditDecl> TimingEdits() {
    std::vector<RangeEditDecl> edits;
    for (const auto& field : TwoToneSystemData::BasicFields()) {
        if (field.control == FieldControl::RangeText) {
            const int digits = field.controlId == C::kPretime ? kPretimeDigits : kDurationDigits;
            edits.push_back({field.controlId, field.controlId + kSpinOffset, digits});
        }
    }
    return edits;
}

} // namespace

CTToneSystemBasicPage::CTToneSystemBasicPage(AppContext& context, EditorHost* host, QWidget* parent)
    : CTToneSystemPage(context, host, C::kBasicPage, parent) {
    const ControlMap controls =
        BuildPage(BasicTemplate(), RangeEditFactory(context.Language(), TimingEdits()));
    FormFields::NameFields(controls, R::LabelPairs(TwoToneSystemData::BasicFields()));
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
    R::ShowAll(TwoToneSystemData::BasicFields(), ui, *this);
}

void CTToneSystemBasicPage::StoreView() {
    TwoToneSystemData* system = System();
    if (!system) {
        return;
    }
    TwoToneSystemBasicUi ui;
    system->LoadBasicUi(ui, Context().Language());
    R::TakeAll(TwoToneSystemData::BasicFields(), ui, *this);
    system->StoreBasicUi(ui, Context().Language());
}

void CTToneSystemBasicPage::OnControlChanged(int controlId, int /*notifyCode*/) {
    FormFields::CommitEntry(Control(controlId));
}

} // namespace tav::gui
