#include "gui/views/CViewChannel.h"

#include "core/app/ChannelReferences.h"
#include "core/app/ViewTable.h"
#include "gui/app/AppContext.h"
#include "gui/views/CChanSheet.h"

#include <QPushButton>

namespace tav::gui {

CViewChannel::CViewChannel(AppContext& context, EditorHost* host, QWidget* parent)
    : CCustomFormView(context, host, kTemplateId, parent), sheet_(new CChanSheet(context, host)) {
    setWindowTitle(context.ControlText(kTemplateId, QStringLiteral("Channel")));
    SetSheet(sheet_);
    auto* list = new QPushButton(context.ControlText(kListCaption, QStringLiteral("Channel List")), sheet_);
    list->setObjectName(QStringLiteral("channelListButton"));
    connect(list, &QPushButton::clicked, this, &CViewChannel::ShowListView);
    sheet_->setCornerWidget(list, Qt::TopRightCorner);
}

ChannelData* CViewChannel::Current() const {
    auto& channels = Context().Container().Channels();
    const auto position = channels.PositionOf(current_);
    return position ? &channels.At(*position) : nullptr;
}

void CViewChannel::OnInitialUpdate() {
    CDataContainer& container = Context().Container();
    auto& channels = container.Channels();
    if (channels.Empty()) {
        auto channel = container.MakeChannel(0);
        channel->ResolveReferences(container);
        channels.Append(std::move(channel));
        SendRecordListChanged(NavigateCommand::Add);
    }
    if (!Current()) {
        current_ = channels.IdAt(0);
    }
    Bind();
}

void CViewChannel::Bind() {
    sheet_->SetData(Current());
    sheet_->LoadPages();
}

void CViewChannel::LoadView() {
    sheet_->LoadPages();
}

void CViewChannel::StoreView() {
    sheet_->StorePages();
}

void CViewChannel::NavigateRecord(int recordNumber, NavigateCommand command) {
    StoreView();
    CDataContainer& container = Context().Container();
    auto& channels = container.Channels();
    const std::optional<std::size_t> before = channels.PositionOf(current_);
    // With a single channel, delete does nothing and the channel stays current.
    if (command == NavigateCommand::Delete && channels.Count() < 2) {
        return;
    }
    const std::optional<std::size_t> after = tav::NavigateRecord<ChannelData>(
        channels, before, command, recordNumber,
        [&container, &channels] {
            auto channel = container.MakeChannel(channels.Count());
            channel->ResolveReferences(container);
            return channel;
        },
        [this, &container, &channels](ChannelData& gone) {
            gone.WithdrawProblems(Context().Problems());
            const std::optional<std::size_t> leaving = channels.PositionOf(gone.Id());
            ChannelReferences::Forget(
                container, [leaving](std::size_t at) { return at == leaving; }, Context().Language());
        });
    current_ = after ? channels.IdAt(*after) : kNoObject;
    // What names a channel keeps naming the same channel, not the same number.
    ChannelReferences::Follow(container);
    Bind();
    SendRecordListChanged(command);
}

void CViewChannel::DataChanged(std::uint32_t wParam, const RecordListNotice* notice) {
    if (wParam != EditorMessages::kRecordListChanged || !notice ||
        notice->sender == static_cast<const EditorForm*>(this)) {
        return;
    }
    // Another editor added, deleted or moved records, or changed channels in place: the channel
    // shown may have gone, its number and the lists may differ.
    if (!Current()) {
        current_ = Context().Container().Channels().IdAt(0);
    }
    // Every change was stored when it was made; the pages show the records as they are now (a
    // store here would take positions from lists that have since changed).
    sheet_->SetData(Current());
    sheet_->LoadPages();
}

std::optional<RecordPosition> CViewChannel::Position() const {
    const auto& channels = Context().Container().Channels();
    const auto position = channels.PositionOf(current_);
    return RecordPosition{position ? static_cast<int>(*position) + 1 : 0, static_cast<int>(channels.Count())};
}

void CViewChannel::ShowListView() {
    StoreView();
    if (EditorHost* host = Host()) {
        host->ShowView(ViewIds::kChannelList,
                       Context().ControlText(kListCaption, QStringLiteral("Channel List")));
    }
}

} // namespace tav::gui
