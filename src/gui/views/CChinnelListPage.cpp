#include "gui/views/CChinnelListPage.h"

#include "core/data/ScanListData.h"
#include "gui/app/AppContext.h"
#include "gui/controls/NamedComboAccessible.h"
#include "gui/views/BlockFieldControls.h"
#include "gui/views/FormFields.h"

#include <QComboBox>

namespace tav::gui {
namespace {

namespace B = BlockFieldControls;

constexpr int kMembersPerColumn = 8;
constexpr int kMemberMinimumWidth = 80;

DialogTemplate MembersTemplate() {
    using P = CChinnelListPage;
    const BlockFieldTable<ScanMembersUi>& fields = ScanListData::MemberFields();
    const BlockFieldInfo& entries = BlockFieldAt(fields, P::kEntries);
    DialogTemplate dialog{P::kTemplateId,
                          QStringLiteral("Channel List"),
                          {B::LabelSpec(entries, 0, 0), B::ControlSpecOf(entries, 0, 1)}};
    for (int k = 0; k < P::kMembers; ++k) {
        const BlockFieldInfo& member = BlockFieldAt(fields, P::kFirstMember + k);
        const int row = 1 + k % kMembersPerColumn;
        const int column = 2 * (k / kMembersPerColumn);
        dialog.controls.push_back(B::LabelSpec(member, row, column));
        dialog.controls.push_back(B::ControlSpecOf(member, row, column + 1));
    }
    return dialog;
}

} // namespace

CChinnelListPage::CChinnelListPage(AppContext& context, EditorHost* host, QWidget* parent)
    : CTAVPropertyPage(context, host, kTemplateId, parent) {
    UseNamedComboAccessibility();
    const ControlMap controls = BuildPage(MembersTemplate());
    FormFields::NameFields(controls, B::LabelPairs(ScanListData::MemberFields()));
    for (int k = 0; k < kMembers; ++k) {
        controls.at(kFirstMember + k)->setMinimumWidth(kMemberMinimumWidth);
    }
}

QComboBox* CChinnelListPage::Combo(int id) const {
    return qobject_cast<QComboBox*>(Control(id));
}

void CChinnelListPage::LoadView() {
    const auto& channels = Context().Container().Channels();
    for (int k = 0; k < kMembers; ++k) {
        QComboBox* combo = Combo(kFirstMember + k);
        combo->clear();
        for (std::size_t c = 0; c < channels.Count(); ++c) {
            combo->addItem(QString::number(c + 1), channels.IdAt(c));
        }
    }
    if (!scanList_) {
        return;
    }
    ScanMembersUi ui;
    scanList_->LoadMembers(ui, Context().Language(), Context().Container());
    B::ShowAll(ScanListData::MemberFields(), ui, *this);
    EnableMembers();
}

void CChinnelListPage::StoreView() {
    if (!scanList_) {
        return;
    }
    ScanMembersUi ui;
    scanList_->LoadMembers(ui, Context().Language(), Context().Container());
    B::TakeAll(ScanListData::MemberFields(), ui, *this);
    scanList_->StoreMembers(ui, Context().Language(), Context().Container());
}

void CChinnelListPage::EnableMembers() {
    const auto& entries = BlockFieldAt(ScanListData::MemberFields(), kEntries);
    const std::optional<BlockValue> shown = B::Shown(Combo(kEntries), entries);
    const std::size_t enabled = ScanListData::EnabledMembers(shown ? std::get<std::string>(*shown) : "");
    for (int k = 0; k < kMembers; ++k) {
        Combo(kFirstMember + k)->setEnabled(static_cast<std::size_t>(k) < enabled);
    }
}

void CChinnelListPage::OnControlChanged(int controlId, int /*notifyCode*/) {
    if (controlId == kEntries) {
        EnableMembers();
        return;
    }
    const bool member = controlId >= kFirstMember && controlId < kFirstMember + kMembers;
    if (member && scanList_ && Combo(controlId)->currentIndex() >= 0) {
        scanList_->WithdrawProblem(Context().Problems(), controlId);
    }
}

} // namespace tav::gui
