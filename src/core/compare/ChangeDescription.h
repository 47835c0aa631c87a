#pragma once

#include "core/data/Image.h"

#include <cstddef>
#include <string>

namespace tav {

class CDataContainer;
class TextLookup;

/// What one edit changed, as its undo step names it, and where it is edited.
struct ChangeDescription {
    /// "Channel 1 · TX Frequency (MHz)"; " (+N)" follows when N more fields changed with it.
    std::string text;
    int viewId = 0;          ///< the editor of the first change; 0 when no editor names it
    std::size_t record = 0;  ///< 1-based record in that editor; 0 for a single block
    std::size_t changes = 0; ///< how many fields changed (bytes no field names, when no field did)
};

/// Names the change between two images a save would write, through the compare's field tables
/// (the documents are loaded with the model and range of `like`).
ChangeDescription DescribeChange(const CDataContainer& like, const Image& before, const Image& after,
                                 const TextLookup& texts);

} // namespace tav
