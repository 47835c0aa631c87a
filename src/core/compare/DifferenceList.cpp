#include "core/compare/DifferenceList.h"

#include "core/app/ViewTable.h"
#include "core/data/ImageMap.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace tav {
namespace {

/// An image region a factory editor owns: a difference there is named by that editor.
struct OwnedRegion {
    std::size_t start;
    std::size_t size;
    int viewId; ///< 0: an editor opened from the factory menu, not from the tree
    int labelId;
    const char* fallback;
};

constexpr std::array<OwnedRegion, 5> kOwnedRegions = {{
    {ImageMap::kModelData, ImageMap::kModelDataSize, 0, 4805, "Factory Mode"},
    {ImageMap::kModelDataShared, ImageMap::kModelDataSharedSize, 0, 4805, "Factory Mode"},
    {ImageMap::kTestFreqs, ImageMap::kTestFreqsSize, ViewIds::kTestFreq, 4000, "Test Frequency"},
    {ImageMap::kEmbedded, ImageMap::kEmbeddedSize, ViewIds::kEmbedded, 4701, "Embedded Data"},
    {ImageMap::kTuneData, ImageMap::kTuneDataSize, 0, 7002, "Tuning"},
}};

std::string Hex(std::size_t value, int digits) {
    char text[24];
    std::snprintf(text, sizeof text, "%.*zX", digits, value);
    return text;
}

} // namespace

void DifferenceList::OneSide(ConfigDifference::Kind kind, const std::string& subject, Region region) {
    Add({kind, subject, {}, {}, {}, {}, 0, 0});
    Explain({region});
}

void DifferenceList::Changed(const std::string& subject, const std::string& field, const std::string& before,
                             const std::string& after, Region where) {
    Add({ConfigDifference::Kind::Field, subject, field, before, after, {}, 0, 0});
    Explain({where});
}

void DifferenceList::Named(const std::string& subject, const std::string& field, const std::string& before,
                           const std::string& after) {
    Add({ConfigDifference::Kind::Field, subject, field, before, after, {}, 0, 0});
}

void DifferenceList::Explain(std::initializer_list<Region> regions) {
    for (const Region& region : regions) {
        for (std::size_t k = 0; k < region.size; ++k) {
            ExplainBits(region.start + k, 0xFF);
        }
    }
}

void DifferenceList::ExplainRow(const std::vector<FieldBytes>& bytes, bool inFileHeader,
                                const std::vector<Region>& pieces) {
    if (inFileHeader) {
        return;
    }
    if (bytes.empty()) {
        for (const Region& piece : pieces) {
            Explain({piece});
        }
        return;
    }
    for (const FieldBytes& field : bytes) {
        for (std::size_t k = 0; k < field.size; ++k) {
            std::size_t offset = field.offset + k;
            for (const Region& piece : pieces) {
                if (offset < piece.size) {
                    ExplainBits(piece.start + offset, field.mask);
                    break;
                }
                offset -= piece.size;
            }
        }
    }
}

void DifferenceList::ExplainBits(std::size_t address, std::uint8_t mask) {
    if (address < explained_.size()) {
        explained_[address] = static_cast<std::uint8_t>(explained_[address] | mask);
    }
}

void DifferenceList::Add(ConfigDifference difference) {
    difference.viewId = viewId_;
    difference.record = record_;
    list_.push_back(std::move(difference));
}

std::optional<ConfigDifference> DifferenceList::OwnedByEditor(const ImageChange& change) const {
    for (const OwnedRegion& region : kOwnedRegions) {
        if (change.address >= region.start && change.address < region.start + region.size) {
            return ConfigDifference{ConfigDifference::Kind::Field,
                                    FieldLabel(texts_, region.labelId, region.fallback),
                                    "Byte 0x" + Hex(change.address, 1),
                                    Hex(change.before, 2),
                                    Hex(change.after, 2),
                                    change,
                                    region.viewId,
                                    0};
        }
    }
    return std::nullopt;
}

std::vector<ConfigDifference> DifferenceList::Finish(const Image& a, const Image& b) {
    for (const ImageChange& change : CompareImages(a, b)) {
        const unsigned explained = change.address < explained_.size() ? explained_[change.address] : 0U;
        if (((change.before ^ change.after) & ~explained & 0xFFU) == 0) {
            continue;
        }
        if (std::optional<ConfigDifference> named = OwnedByEditor(change)) {
            list_.push_back(std::move(*named));
        } else {
            list_.push_back({ConfigDifference::Kind::Byte, {}, {}, {}, {}, change, 0, 0});
        }
    }
    return std::move(list_);
}

} // namespace tav
