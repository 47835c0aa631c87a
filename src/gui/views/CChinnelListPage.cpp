#include "gui/views/CChinnelListPage.h"

#include "core/data/ScanListData.h"
#include "gui/app/AppContext.h"
#include "gui/controls/NamedComboAccessible.h"
#include "gui/controls/QtText.h"
#include "gui/views/FieldNames.h"

#include <QComboBox>
#include <QLabel>

namespace tav::gui {
namespace {

constexpr int kEntriesLabel = 3942;
constexpr int kMembersPerColumn = 8;

DialogTemplate MembersTemplate() {
    using P = CChinnelListPage;
    DialogTemplate dialog{
        P::kTemplateId,
        QStringLiteral("Channel List"),
        {{kEntriesLabel, ControlKind::Label, QStringLiteral("Number of Entries in Scan List"), 0, 0},
         {P::kEntries, ControlKind::ComboBox, {}, 0, 1}}};
    for (int k = 0; k < P::kMembers; ++k) {
        const int row = 1 + k % kMembersPerColumn;
        const int column = 2 * (k / kMembersPerColumn);
        dialog.controls.push_back({P::kFirstMemberLabel + k, ControlKind::Label,
                                   QStringLiteral("Member %1").arg(k + 1), row, column});
        dialog.controls.push_back({P::kFirstMember + k, ControlKind::ComboBox, {}, row, column + 1});
    }
    return dialog;
}

} // namespace

CChinnelListPage::CChinnelListPage(AppContext& context, EditorHost* host, QWidget* parent)
    : CTAVPropertyPage(context, host, kTemplateId, parent) {
    UseNamedComboAccessibility();
    const ControlMap controls = BuildPage(MembersTemplate());
    NameFieldsByLabels(controls);
    // The member labels are numbered apart from their drop-downs.
    for (int k = 0; k < kMembers; ++k) {
        auto* label = qobject_cast<QLabel*>(controls.at(kFirstMemberLabel + k));
        QWidget* member = controls.at(kFirstMember + k);
        label->setBuddy(member);
        member->setAccessibleName(NameFromLabel(label->text()));
        member->setMinimumWidth(80);
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
    Combo(kEntries)->setCurrentIndex(Combo(kEntries)->findText(ToQt(ui.entries)));
    for (int k = 0; k < kMembers; ++k) {
        const std::uint32_t position = ui.members[static_cast<std::size_t>(k)];
        Combo(kFirstMember + k)
            ->setCurrentIndex(position == ScanMembersUi::kNoSelection ? -1 : static_cast<int>(position));
    }
    EnableMembers();
}

void CChinnelListPage::StoreView() {
    if (!scanList_) {
        return;
    }
    ScanMembersUi ui;
    ui.entries = ToStd(Combo(kEntries)->currentText());
    for (int k = 0; k < kMembers; ++k) {
        const int index = Combo(kFirstMember + k)->currentIndex();
        ui.members[static_cast<std::size_t>(k)] =
            index < 0 ? ScanMembersUi::kNoSelection : static_cast<std::uint32_t>(index);
    }
    scanList_->StoreMembers(ui, Context().Language(), Context().Container());
}

void CChinnelListPage::EnableMembers() {
    const std::size_t enabled = ScanListData::EnabledMembers(ToStd(Combo(kEntries)->currentText()));
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
