#include "data/CDataContainer.h"

#include "data/ImageMap.h"
#include "data/ProblemList.h"

namespace tav {

CDataContainer::CDataContainer() {
    channelIds_ = ObjectIdCounter(NextObjectIdBase());
    scanListIds_ = ObjectIdCounter(NextObjectIdBase());
}

CDataContainer::~CDataContainer() = default;

ObjectId CDataContainer::NextObjectIdBase() {
    idBase_ += 65535;
    return idBase_;
}

void CDataContainer::LoadAll() {
    LoadChannels(image_, channels_, channelIds_);
    LoadScanLists(image_, scanLists_, scanListIds_);
    FixUpReferences();
}

void CDataContainer::StoreAll() {
    image_.fill(0xFF);
    StoreChannels(channels_, image_);
    StoreScanLists(scanLists_, image_);
}

void CDataContainer::ClearLists() {
    channels_.Clear();
    scanLists_.Clear();
}

void CDataContainer::CreateDefaults() {
    scanLists_.Append(MakeScanList(scanLists_.Count()));
    for (std::size_t k = 0; k < ImageMap::kChannelCapacity; ++k) {
        channels_.Append(MakeChannel(channels_.Count()));
    }
    FixUpReferences();
}

void CDataContainer::FixUpReferences() {
    for (auto& channel : channels_) {
        channel->ResolveReferences(*this);
    }
    for (auto& scanList : scanLists_) {
        scanList->ResolveReferences(*this);
    }
}

bool CDataContainer::CheckAllReferences(ProblemList& problems, const TextLookup& texts) const {
    problems.Clear();
    ReferenceCheck check{*this, problems, texts};
    for (const auto& channel : channels_) {
        channel->CheckReferences(check);
    }
    for (const auto& scanList : scanLists_) {
        scanList->CheckReferences(check);
    }
    return problems.HasEntries();
}

std::unique_ptr<ChannelData> CDataContainer::MakeChannel(std::size_t position) {
    return MakeDefaultChannel(channelIds_, position, context_);
}

std::unique_ptr<ScanListData> CDataContainer::MakeScanList(std::size_t position) {
    return MakeDefaultScanList(scanListIds_, position, context_);
}

std::size_t CDataContainer::Count(RecordKind kind) const {
    switch (kind) {
    case RecordKind::Channel: return channels_.Count();
    case RecordKind::ScanList: return scanLists_.Count();
    default: return 0;
    }
}

ObjectId CDataContainer::IdAt(RecordKind kind, std::size_t position) const {
    switch (kind) {
    case RecordKind::Channel: return channels_.IdAt(position);
    case RecordKind::ScanList: return scanLists_.IdAt(position);
    default: return kNoObject;
    }
}

std::optional<std::size_t> CDataContainer::PositionOf(RecordKind kind, ObjectId id) const {
    switch (kind) {
    case RecordKind::Channel: return channels_.PositionOf(id);
    case RecordKind::ScanList: return scanLists_.PositionOf(id);
    default: return std::nullopt;
    }
}

} // namespace tav
