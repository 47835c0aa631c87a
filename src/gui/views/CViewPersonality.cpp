#include "gui/views/CViewPersonality.h"

#include "core/data/PersonalityData.h"
#include "gui/app/AppContext.h"
#include "gui/views/CPersonalitySheet.h"

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
    auto& list = Context().Container().Personalities();
    sheet_->Bind(current_ ? list.IdAt(*current_) : kNoObject);
    sheet_->LoadPages();
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
    if (command == NavigateCommand::Add && list.Count() >= kCapacity) {
        return;
    }
    const std::optional<std::size_t> next = tav::NavigateRecord<PersonalityData>(
        list, current_, command, recordNumber,
        [&container, &list] {
            auto personality = container.MakePersonality(list.Count());
            personality->ResolveReferences(container);
            return personality;
        },
        [this](PersonalityData& personality) { personality.WithdrawProblems(Context().Problems()); });
    // A refused command (delete of the last record, a number past the end) keeps the record.
    if (next) {
        current_ = next;
    } else if (!list.Empty() && (!current_ || *current_ >= list.Count())) {
        current_ = list.Count() - 1;
    }
    BindCurrent();
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
    const int count = static_cast<int>(Context().Container().Personalities().Count());
    return RecordPosition{current_ ? static_cast<int>(*current_) + 1 : 0, count};
}

} // namespace tav::gui
