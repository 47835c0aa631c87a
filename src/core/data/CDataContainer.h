#pragma once

#include <cstdint>
#include <memory>

#include "data/ChannelData.h"
#include "data/DataContext.h"
#include "data/Image.h"
#include "data/ObjectId.h"
#include "data/RecordKind.h"
#include "data/RecordList.h"
#include "data/ScanListData.h"

namespace tav {

class ProblemList;
class TextLookup;

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

    /// What the data objects know of the document: the language, the current frequency range.
    DataContext& Context() { return context_; }
    const DataContext& Context() const { return context_; }

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
    /// The reference check: empties the problem list and lets every record report its invalid
    /// references. Returns true when problems were found.
    bool CheckAllReferences(ProblemList& problems, const TextLookup& texts) const;

    /// The base of a new family of ObjectIds: each call adds 65535 (the first base is 65535).
    ObjectId NextObjectIdBase();

    RecordList<ChannelData>& Channels() { return channels_; }
    const RecordList<ChannelData>& Channels() const { return channels_; }
    RecordList<ScanListData>& ScanLists() { return scanLists_; }
    const RecordList<ScanListData>& ScanLists() const { return scanLists_; }

    /// Makes a channel with the defaults of a position and a fresh ObjectId.
    std::unique_ptr<ChannelData> MakeChannel(std::size_t position);
    std::unique_ptr<ScanListData> MakeScanList(std::size_t position);

    // RecordDirectory
    std::size_t Count(RecordKind kind) const override;
    ObjectId IdAt(RecordKind kind, std::size_t position) const override;
    std::optional<std::size_t> PositionOf(RecordKind kind, ObjectId id) const override;

private:
    Image image_ = BlankImage();
    DataContext context_;
    ObjectId idBase_ = 0;

    ObjectIdCounter channelIds_;
    ObjectIdCounter scanListIds_;

    RecordList<ChannelData> channels_;
    RecordList<ScanListData> scanLists_;
};

} // namespace tav
