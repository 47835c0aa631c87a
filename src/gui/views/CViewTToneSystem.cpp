#include "gui/views/CViewTToneSystem.h"

#include "core/data/TwoToneSystemData.h"
#include "gui/app/AppContext.h"
#include "gui/views/CViewTToneSystemSheet.h"

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
    auto& list = Context().Container().TwoToneSystems();
    sheet_->Bind(current_ ? list.IdAt(*current_) : kNoObject);
    sheet_->LoadPages();
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
    if (command == NavigateCommand::Add && list.Count() >= kCapacity) {
        return;
    }
    const std::optional<std::size_t> next = tav::NavigateRecord<TwoToneSystemData>(
        list, current_, command, recordNumber,
        [&container, &list] {
            auto system = container.MakeTwoToneSystem(list.Count());
            system->ResolveReferences(container);
            return system;
        },
        [this](TwoToneSystemData& system) { system.WithdrawProblems(Context().Problems()); });
    // A refused command (delete of the last record, a number past the end) keeps the record.
    if (next) {
        current_ = next;
    } else if (!list.Empty() && (!current_ || *current_ >= list.Count())) {
        current_ = list.Count() - 1;
    }
    BindCurrent();
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
    const int count = static_cast<int>(Context().Container().TwoToneSystems().Count());
    return RecordPosition{current_ ? static_cast<int>(*current_) + 1 : 0, count};
}

} // namespace tav::gui
