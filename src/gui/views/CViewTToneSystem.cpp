#include "gui/views/CViewTToneSystem.h"

#include "core/data/TwoToneSystemData.h"
#include "gui/app/AppContext.h"
#include "gui/views/CViewTToneSystemSheet.h"
#include "gui/views/SheetRecordSteps.h"

namespace tav::gui {

CViewTToneSystem::CViewTToneSystem(AppContext& context, EditorHost* host, QWidget* parent)
    : CCustomFormView(context, host, kTemplateId, parent) {
    sheet_ = new CViewTToneSystemSheet(context, host);
    SetSheet(sheet_);
}

void CViewTToneSystem::OnInitialUpdate() {
    auto& list = Context().Container().TwoToneSystems();
    if (list.Empty()) {
        auto& system = list.Append(Context().Container().MakeTwoToneSystem(0));
        system.ResolveReferences(Context().Container());
    }
    current_ = 0;
    BindCurrent();
    sheet_->RestoreRememberedPage();
}

void CViewTToneSystem::BindCurrent() {
    BindSheetRecord(*sheet_, Context().Container().TwoToneSystems(), current_);
}

void CViewTToneSystem::LoadView() {
    sheet_->LoadPages();
}

void CViewTToneSystem::StoreView() {
    sheet_->StorePages();
}

void CViewTToneSystem::NavigateRecord(int recordNumber, NavigateCommand command) {
    StoreView();
    CDataContainer& container = Context().Container();
    auto& list = container.TwoToneSystems();
    const bool stepped = StepSheetRecord<CViewTToneSystemSheet, TwoToneSystemData>(
        *sheet_, list, current_, kCapacity, recordNumber, command,
        [&container, &list] {
            auto system = container.MakeTwoToneSystem(list.Count());
            system->ResolveReferences(container);
            return system;
        },
        [this](TwoToneSystemData& system) { system.WithdrawProblems(Context().Problems()); });
    if (!stepped) {
        return;
    }
    SendRecordListChanged(command);
    container.FixUpReferences();
}

void CViewTToneSystem::DataChanged(std::uint32_t wParam, const RecordListNotice* notice) {
    if (wParam == EditorMessages::kRecordListChanged && notice &&
        notice->sender != static_cast<const EditorForm*>(this)) {
        sheet_->RecordListChanged(*notice);
    }
}

std::optional<RecordPosition> CViewTToneSystem::Position() const {
    return SheetRecordPosition(current_, Context().Container().TwoToneSystems().Count());
}

} // namespace tav::gui
