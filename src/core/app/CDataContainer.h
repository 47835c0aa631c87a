#pragma once

#include "core/data/AlertToneData.h"
#include "core/data/AtisData.h"
#include "core/data/ChannelData.h"
#include "core/data/DataContext.h"
#include "core/data/DosData.h"
#include "core/data/Image.h"
#include "core/data/KeysData.h"
#include "core/data/MiscData.h"
#include "core/data/ObjectId.h"
#include "core/data/PasswordsData.h"
#include "core/data/PersonalityData.h"
#include "core/data/PttIdData.h"
#include "core/data/RadioInfoData.h"
#include "core/data/RecordKind.h"
#include "core/data/RecordList.h"
#include "core/data/ScanListData.h"
#include "core/data/TwoToneCallData.h"
#include "core/data/TwoToneSystemData.h"
#include "core/factory/EmbeddedData.h"
#include "core/factory/ModelData.h"
#include "core/factory/TestFreqData.h"
#include "core/factory/TuneData.h"

#include <cstdint>
#include <memory>

namespace tav {

class ProblemList;
class TextLookup;
class WallClock;

/// Owns the radio data image and one data object per feature of the radio. Between conversions
/// the data objects are the master copy: StoreAll rebuilds the image from them before a write or a
/// save, LoadAll rebuilds them from the image after a read, an open or a reset.
class CDataContainer : public RecordDirectory {
public:
    CDataContainer();
    ~CDataContainer() override;
    CDataContainer(const CDataContainer&) = delete;
    CDataContainer& operator=(const CDataContainer&) = delete;

    Image& image() { return image_; }
    const Image& image() const { return image_; }

    /// What the data objects know of the document: the language, the current model and range.
    DataContext& Context() { return context_; }
    const DataContext& Context() const { return context_; }
    /// The clock whose time new radio information carries (a test puts a fixed one in place).
    void SetClock(const WallClock& clock) { radioInfo_.SetClock(clock); }

    /// Rebuilds every data object from the image.
    void LoadAll();
    /// Fills the image with 0xFF and writes every data object into it.
    void StoreAll();
    /// Deletes every element of the record lists.
    void ClearLists();
    /// Appends the default records and sets the defaults of every block.
    void CreateDefaults();
    /// Lets every record re-resolve its stored positions into references.
    void FixUpReferences();
    /// The reference check: empties the problem list and lets every channel, scan list, two-tone
    /// system and personality report its invalid references. Returns true when problems were found.
    bool CheckAllReferences(ProblemList& problems, const TextLookup& texts) const;

    /// A container of the same model and range as `like`, loaded from `image`.
    static std::unique_ptr<CDataContainer> LoadedLike(const CDataContainer& like, const Image& image);

    /// The base of a new family of ObjectIds: each call adds 65535 (the first base is 65535).
    ObjectId NextObjectIdBase();

    // Single blocks.
    RadioInfoData& RadioInfo() { return radioInfo_; }
    KeysData& Keys() { return keys_; }
    MiscData& Misc() { return misc_; }
    PasswordsData& Passwords() { return passwords_; }
    AtisData& Atis() { return atis_; }
    PttIdData& PttId() { return pttId_; }
    DosData& Dos() { return dos_; }
    const RadioInfoData& RadioInfo() const { return radioInfo_; }
    const KeysData& Keys() const { return keys_; }
    const MiscData& Misc() const { return misc_; }
    const PasswordsData& Passwords() const { return passwords_; }
    const AtisData& Atis() const { return atis_; }
    const PttIdData& PttId() const { return pttId_; }
    const DosData& Dos() const { return dos_; }
    TestFreqData& TestFreqs() { return testFreqs_; }
    EmbeddedData& Embedded() { return embedded_; }
    ModelData& Model() { return modelData_; }
    TuneData& Tune() { return tuneData_; }

    // Record lists.
    RecordList<ChannelData>& Channels() { return channels_; }
    const RecordList<ChannelData>& Channels() const { return channels_; }
    RecordList<PersonalityData>& Personalities() { return personalities_; }
    const RecordList<PersonalityData>& Personalities() const { return personalities_; }
    RecordList<ScanListData>& ScanLists() { return scanLists_; }
    const RecordList<ScanListData>& ScanLists() const { return scanLists_; }
    RecordList<AlertToneData>& AlertTones() { return alertTones_; }
    const RecordList<AlertToneData>& AlertTones() const { return alertTones_; }
    RecordList<TwoToneSystemData>& TwoToneSystems() { return systems_; }
    const RecordList<TwoToneSystemData>& TwoToneSystems() const { return systems_; }
    RecordList<TwoToneCallData>& TwoToneCalls() { return calls_; }
    const RecordList<TwoToneCallData>& TwoToneCalls() const { return calls_; }

    /// New records with the defaults of a position and a fresh ObjectId (references not resolved).
    std::unique_ptr<ChannelData> MakeChannel(std::size_t position);
    std::unique_ptr<PersonalityData> MakePersonality(std::size_t position);
    std::unique_ptr<ScanListData> MakeScanList(std::size_t position);
    std::unique_ptr<AlertToneData> MakeAlertTone(std::size_t position);
    std::unique_ptr<TwoToneSystemData> MakeTwoToneSystem(std::size_t position);
    std::unique_ptr<TwoToneCallData> MakeTwoToneCall(std::size_t position);

    // RecordDirectory
    std::size_t Count(RecordKind kind) const override;
    ObjectId IdAt(RecordKind kind, std::size_t position) const override;
    std::optional<std::size_t> PositionOf(RecordKind kind, ObjectId id) const override;

private:
    Image image_ = BlankImage();
    DataContext context_;
    ObjectId idBase_ = 0;

    RadioInfoData radioInfo_;
    KeysData keys_;
    MiscData misc_;
    PasswordsData passwords_;
    AtisData atis_;
    PttIdData pttId_;
    DosData dos_;
    TestFreqData testFreqs_;
    EmbeddedData embedded_;
    ModelData modelData_;
    TuneData tuneData_;

    ObjectIdCounter channelIds_;
    ObjectIdCounter personalityIds_;
    ObjectIdCounter scanListIds_;
    ObjectIdCounter alertToneIds_;
    ObjectIdCounter systemIds_;
    ObjectIdCounter callIds_;

    RecordList<ChannelData> channels_;
    RecordList<PersonalityData> personalities_;
    RecordList<ScanListData> scanLists_;
    RecordList<AlertToneData> alertTones_;
    RecordList<TwoToneSystemData> systems_;
    RecordList<TwoToneCallData> calls_;
};

} // namespace tav
