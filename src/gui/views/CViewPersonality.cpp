#include "gui/views/CViewPersonality.h"

#include "core/data/PersonalityData.h"
#include "gui/app/AppContext.h"
#include "gui/views/CPersonalitySheet.h"
#include "gui/views/SheetRecordSteps.h"

namespace tav::gui {

CViewPersonality::CViewPersonality(AppContext& context, EditorHost* host, QWidget* parent)
    : CCustomFormView(context, host, kTemplateId, parent) {
    sheet_ = new CPersonalitySheet(context, host);
    SetSheet(sheet_);
}

void CViewPersonality::OnInitialUpdate() {
    auto& list = Context().Container().Personalities();
    if (list.Empty()) {
        auto& personality = list.Append(Context().Container().MakePersonality(0));
        personality.ResolveReferences(Context().Container());
        SendRecordListChanged(NavigateCommand::Add);
    }
    current_ = 0;
    BindCurrent();
    sheet_->RestoreRememberedPage();
}

void CViewPersonality::BindCurrent() {
    BindSheetRecord(*sheet_, Context().Container().Personalities(), current_);
}

void CViewPersonality::LoadView() {
    sheet_->LoadPages();
}

void CViewPersonality::StoreView() {
    sheet_->StorePages();
}

void CViewPersonality::NavigateRecord(int recordNumber, NavigateCommand command) {
    StoreView();
    CDataContainer& container = Context().Container();
    auto& list = container.Personalities();
    const bool stepped = StepSheetRecord<CPersonalitySheet, PersonalityData>(
        *sheet_, list, current_, kCapacity, recordNumber, command,
        [&container, &list] {
            auto personality = container.MakePersonality(list.Count());
            personality->ResolveReferences(container);
            return personality;
        },
        [this](PersonalityData& personality) { personality.WithdrawProblems(Context().Problems()); });
    if (!stepped) {
        return;
    }
    SendRecordListChanged(command);
    // Channels keep naming the same personality after one before it went away: their stored
    // numbers are written from their references before everything is resolved again.
    for (auto& channel : container.Channels()) {
        channel->RenumberReferences(container);
    }
    container.FixUpReferences();
}

void CViewPersonality::DataChanged(std::uint32_t wParam, const RecordListNotice* notice) {
    if (wParam == EditorMessages::kRecordListChanged && notice &&
        notice->sender != static_cast<const EditorForm*>(this)) {
        sheet_->RecordListChanged(*notice);
    }
}

std::optional<RecordPosition> CViewPersonality::Position() const {
    return SheetRecordPosition(current_, Context().Container().Personalities().Count());
}

} // namespace tav::gui
