#include "core/app/CDataContainer.h"

#include "core/data/ImageMap.h"
#include "core/data/ProblemList.h"

namespace tav {
namespace {

/// How many records of each list a new document starts with.
constexpr std::size_t kDefaultAlertTones = 5;
constexpr std::size_t kDefaultPersonalities = 1;
constexpr std::size_t kDefaultScanLists = 1;
constexpr std::size_t kDefaultChannels = ImageMap::kChannelCapacity;
constexpr std::size_t kDefaultTwoToneSystems = 1;

template <class Record, class Make>
void AppendDefaults(RecordList<Record>& list, std::size_t count, Make make) {
    for (std::size_t k = 0; k < count; ++k) {
        list.Append(make(list.Count()));
    }
}

} // namespace

CDataContainer::CDataContainer() {
    channelIds_ = ObjectIdCounter(NextObjectIdBase());
    personalityIds_ = ObjectIdCounter(NextObjectIdBase());
    scanListIds_ = ObjectIdCounter(NextObjectIdBase());
    alertToneIds_ = ObjectIdCounter(NextObjectIdBase());
    systemIds_ = ObjectIdCounter(NextObjectIdBase());
    callIds_ = ObjectIdCounter(NextObjectIdBase());
    // The model data block shows and edits bytes of the radio information and miscellaneous blocks.
    modelData_.Attach(radioInfo_, misc_);
    // The PTT-ID block is the first personality's PTT-ID fields, which a store writes over it.
    pttId_.Attach(personalities_);
}

CDataContainer::~CDataContainer() = default;

ObjectId CDataContainer::NextObjectIdBase() {
    idBase_ += 65535;
    return idBase_;
}

std::unique_ptr<CDataContainer> CDataContainer::LoadedLike(const CDataContainer& like, const Image& image) {
    auto loaded = std::make_unique<CDataContainer>();
    loaded->Context() = like.Context();
    loaded->image() = image;
    loaded->LoadAll();
    return loaded;
}

void CDataContainer::LoadAll() {
    LoadChannels(image_, channels_, channelIds_);
    testFreqs_.LoadFromImage(image_);
    radioInfo_.LoadFromImage(image_);
    keys_.LoadFromImage(image_);
    misc_.LoadFromImage(image_);
    atis_.LoadFromImage(image_);
    pttId_.LoadFromImage(image_);
    dos_.LoadFromImage(image_);
    passwords_.LoadFromImage(image_);
    LoadAlertTones(image_, alertTones_, alertToneIds_);
    LoadPersonalities(image_, personalities_, personalityIds_);
    LoadScanLists(image_, scanLists_, scanListIds_);
    embedded_.LoadFromImage(image_);
    LoadTwoToneSystems(image_, systems_, systemIds_);
    LoadTwoToneCalls(image_, calls_, callIds_);
    modelData_.LoadFromImage(image_);
    tuneData_.LoadFromImage(image_);
    FixUpReferences();
}

void CDataContainer::StoreAll() {
    image_.fill(0xFF);
    radioInfo_.StoreToImage(image_);
    keys_.StoreToImage(image_);
    misc_.StoreToImage(image_);
    StoreAlertTones(alertTones_, image_);
    atis_.StoreToImage(image_);
    passwords_.StoreToImage(image_);
    pttId_.StoreToImage(image_);
    dos_.StoreToImage(image_);
    StoreChannels(channels_, image_);
    // Also writes the first personality's PTT-ID fields over the PTT-ID block just stored (the
    // same bytes: the block shows that personality's fields).
    StorePersonalities(personalities_, image_);
    StoreScanLists(scanLists_, image_);
    testFreqs_.StoreToImage(image_);
    embedded_.StoreToImage(image_);
    // Writes the number of systems into every system, in memory and in the image.
    StoreTwoToneSystems(systems_, image_);
    StoreTwoToneCalls(calls_, image_);
    modelData_.StoreToImage(image_);
    tuneData_.StoreToImage(image_);
}

void CDataContainer::ClearLists() {
    alertTones_.Clear();
    channels_.Clear();
    personalities_.Clear();
    scanLists_.Clear();
    systems_.Clear();
    // The calls go too: a reset must not carry the previous document's calls into the new one.
    calls_.Clear();
}

void CDataContainer::CreateDefaults() {
    AppendDefaults(alertTones_, kDefaultAlertTones, [this](std::size_t n) { return MakeAlertTone(n); });
    AppendDefaults(personalities_, kDefaultPersonalities,
                   [this](std::size_t n) { return MakePersonality(n); });
    AppendDefaults(scanLists_, kDefaultScanLists, [this](std::size_t n) { return MakeScanList(n); });
    AppendDefaults(channels_, kDefaultChannels, [this](std::size_t n) { return MakeChannel(n); });
    keys_.SetDefaults(context_);
    misc_.SetDefaults(context_);
    passwords_.SetDefaults(context_);
    atis_.SetDefaults(context_);
    pttId_.SetDefaults(context_);
    dos_.SetDefaults(context_);
    embedded_.SetDefaults(context_);
    radioInfo_.SetDefaults(context_);
    testFreqs_.SetDefaults(context_);
    AppendDefaults(systems_, kDefaultTwoToneSystems, [this](std::size_t n) { return MakeTwoToneSystem(n); });
    tuneData_.SetDefaults(context_);
    modelData_.SetDefaults(context_);
    modelData_.Attach(radioInfo_, misc_);
    FixUpReferences();
}

void CDataContainer::FixUpReferences() {
    for (auto& channel : channels_) {
        channel->ResolveReferences(*this);
    }
    for (auto& scanList : scanLists_) {
        scanList->ResolveReferences(*this);
    }
    for (auto& call : calls_) {
        call->ResolveReferences(*this);
    }
    for (auto& system : systems_) {
        system->ResolveReferences(*this);
    }
    for (auto& personality : personalities_) {
        personality->ResolveReferences(*this);
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
    for (const auto& system : systems_) {
        system->CheckReferences(check);
    }
    for (const auto& personality : personalities_) {
        personality->CheckReferences(check);
    }
    return problems.HasEntries();
}

std::unique_ptr<ChannelData> CDataContainer::MakeChannel(std::size_t position) {
    return MakeDefaultChannel(channelIds_, position, context_);
}

std::unique_ptr<PersonalityData> CDataContainer::MakePersonality(std::size_t position) {
    return MakeDefaultPersonality(personalityIds_, position, context_);
}

std::unique_ptr<ScanListData> CDataContainer::MakeScanList(std::size_t position) {
    return MakeDefaultScanList(scanListIds_, position, context_);
}

std::unique_ptr<AlertToneData> CDataContainer::MakeAlertTone(std::size_t position) {
    return MakeDefaultAlertTone(alertToneIds_, position, context_);
}

std::unique_ptr<TwoToneSystemData> CDataContainer::MakeTwoToneSystem(std::size_t position) {
    return MakeDefaultTwoToneSystem(systemIds_, position, context_);
}

std::unique_ptr<TwoToneCallData> CDataContainer::MakeTwoToneCall(std::size_t position) {
    return MakeDefaultTwoToneCall(callIds_, position, context_);
}

std::size_t CDataContainer::Count(RecordKind kind) const {
    switch (kind) {
    case RecordKind::Channel:
        return channels_.Count();
    case RecordKind::Personality:
        return personalities_.Count();
    case RecordKind::ScanList:
        return scanLists_.Count();
    case RecordKind::AlertTone:
        return alertTones_.Count();
    case RecordKind::TwoToneSystem:
        return systems_.Count();
    case RecordKind::TwoToneCall:
        return calls_.Count();
    }
    return 0;
}

ObjectId CDataContainer::IdAt(RecordKind kind, std::size_t position) const {
    switch (kind) {
    case RecordKind::Channel:
        return channels_.IdAt(position);
    case RecordKind::Personality:
        return personalities_.IdAt(position);
    case RecordKind::ScanList:
        return scanLists_.IdAt(position);
    case RecordKind::AlertTone:
        return alertTones_.IdAt(position);
    case RecordKind::TwoToneSystem:
        return systems_.IdAt(position);
    case RecordKind::TwoToneCall:
        return calls_.IdAt(position);
    }
    return kNoObject;
}

std::optional<std::size_t> CDataContainer::PositionOf(RecordKind kind, ObjectId id) const {
    switch (kind) {
    case RecordKind::Channel:
        return channels_.PositionOf(id);
    case RecordKind::Personality:
        return personalities_.PositionOf(id);
    case RecordKind::ScanList:
        return scanLists_.PositionOf(id);
    case RecordKind::AlertTone:
        return alertTones_.PositionOf(id);
    case RecordKind::TwoToneSystem:
        return systems_.PositionOf(id);
    case RecordKind::TwoToneCall:
        return calls_.PositionOf(id);
    }
    return std::nullopt;
}

} // namespace tav
