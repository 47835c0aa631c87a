#pragma once

#include "core/data/AlertToneData.h"
#include "core/data/ChannelData.h"
#include "core/data/Image.h"
#include "core/data/PersonalityData.h"
#include "core/data/ScanListData.h"
#include "core/data/TwoToneCallData.h"
#include "core/data/TwoToneSystemData.h"

#include <cstdint>
#include <vector>

namespace tav {

class CDataContainer;

/// The whole document at one moment: every record of every list with its identity and its
/// references, every single block's bytes, and the image a save would write then.
struct DocumentSnapshot {
    Image stored = BlankImage(); ///< what a save would have written: compares and names changes
    std::vector<ChannelData> channels;
    std::vector<PersonalityData> personalities;
    std::vector<ScanListData> scanLists;
    std::vector<AlertToneData> alertTones;
    std::vector<TwoToneSystemData> systems;
    std::vector<TwoToneCallData> calls;
    std::vector<std::vector<std::uint8_t>> blocks; ///< the single blocks in the container's order
};

/// Copies the container's data objects; `stored` is the image a save would write now.
DocumentSnapshot TakeDocumentSnapshot(CDataContainer& container, const Image& stored);

/// Puts the data objects back as the snapshot holds them. Records that still exist keep their
/// objects (an editor showing one keeps showing it) and take the snapshot's contents; records
/// deleted since come back with their identity; records added since go.
void RestoreDocumentSnapshot(CDataContainer& container, const DocumentSnapshot& snapshot);

} // namespace tav
