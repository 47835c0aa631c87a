#include "core/compare/RadioVerify.h"

#include "core/app/CDataContainer.h"
#include "core/comm/TransferPlan.h"

#include <algorithm>

namespace tav {

Image RadioVerify::Expected(const Image& written, const Image& radio) const {
    Image expected = radio;
    for (const TransferBlock& block : FullWritePlan(factoryLevel_)) {
        const auto from = written.begin() + block.imageOffset;
        std::copy(from, from + block.length, expected.begin() + block.imageOffset);
    }
    return expected;
}

std::vector<ConfigDifference> RadioVerify::Compare(const CDataContainer& written, const Image& radio) const {
    const auto expected = CDataContainer::LoadedLike(written, Expected(written.image(), radio));
    const auto held = CDataContainer::LoadedLike(written, radio);
    return ConfigCompare(texts_).Compare(*expected, *held);
}

} // namespace tav
