#include "gui/views/CViewScan.h"

#include "gui/app/AppContext.h"
#include "gui/views/CScanSheet.h"

namespace tav::gui {

CViewScan::CViewScan(AppContext& context, EditorHost* host, QWidget* parent)
    : CCustomFormView(context, host, kTemplateId, parent), sheet_(new CScanSheet(context, host)) {
    setWindowTitle(context.ControlText(kTemplateId, QStringLiteral("Scan List")));
    SetSheet(sheet_);
}

ScanListData* CViewScan::Current() const {
    auto& scanLists = Context().Container().ScanLists();
    const auto position = scanLists.PositionOf(current_);
    return position ? &scanLists.At(*position) : nullptr;
}

void CViewScan::OnInitialUpdate() {
    CDataContainer& container = Context().Container();
    auto& scanLists = container.ScanLists();
    if (scanLists.Empty()) {
        auto scanList = container.MakeScanList(0);
        scanList->ResolveReferences(container);
        scanLists.Append(std::move(scanList));
        SendRecordListChanged(NavigateCommand::Add);
    }
    if (!Current()) {
        current_ = scanLists.IdAt(0);
    }
    sheet_->SetData(Current());
    sheet_->LoadPages();
}

void CViewScan::LoadView() {
    sheet_->LoadPages();
}

void CViewScan::StoreView() {
    sheet_->StorePages();
}

void CViewScan::NavigateRecord(int recordNumber, NavigateCommand command) {
    StoreView();
    CDataContainer& container = Context().Container();
    auto& scanLists = container.ScanLists();
    if (command == NavigateCommand::Delete && scanLists.Count() < 2) {
        return;
    }
    const std::optional<std::size_t> after = tav::NavigateRecord<ScanListData>(
        scanLists, scanLists.PositionOf(current_), command, recordNumber,
        [&container, &scanLists] {
            auto scanList = container.MakeScanList(scanLists.Count());
            scanList->ResolveReferences(container);
            return scanList;
        },
        [this](ScanListData& gone) { gone.WithdrawProblems(Context().Problems()); });
    current_ = after ? scanLists.IdAt(*after) : kNoObject;
    sheet_->SetData(Current());
    sheet_->LoadPages();
    SendRecordListChanged(command);
}

void CViewScan::DataChanged(std::uint32_t wParam, const RecordListNotice* notice) {
    if (wParam != EditorMessages::kRecordListChanged || !notice ||
        notice->sender == static_cast<const EditorForm*>(this)) {
        return;
    }
    // Channels were added, deleted or moved: the channel drop-downs are filled again and show the
    // references as they are now (every change was stored when it was made).
    if (!Current()) {
        current_ = Context().Container().ScanLists().IdAt(0);
    }
    sheet_->SetData(Current());
    sheet_->LoadPages();
}

std::optional<RecordPosition> CViewScan::Position() const {
    const auto& scanLists = Context().Container().ScanLists();
    const auto position = scanLists.PositionOf(current_);
    return RecordPosition{position ? static_cast<int>(*position) + 1 : 0,
                          static_cast<int>(scanLists.Count())};
}

} // namespace tav::gui
