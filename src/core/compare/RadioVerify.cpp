#include "core/compare/RadioVerify.h"

#include "core/app/CDataContainer.h"
#include "core/comm/TransferPlan.h"

#include <algorithm>
#include <memory>

namespace tav {
namespace {

/// A container of the same model and range as `like`, loaded from `image`.
std::unique_ptr<CDataContainer> LoadedLike(const CDataContainer& like, const Image& image) {
    auto loaded = std::make_unique<CDataContainer>();
    loaded->Context() = like.Context();
    loaded->image() = image;
    loaded->LoadAll();
    return loaded;
}

} // namespace

Image RadioVerify::Expected(const Image& written, const Image& radio) const {
    Image expected = radio;
    for (const TransferBlock& block : FullWritePlan(factoryLevel_)) {
        const auto from = written.begin() + block.imageOffset;
        std::copy(from, from + block.length, expected.begin() + block.imageOffset);
    }
    return expected;
}

std::vector<ConfigDifference> RadioVerify::Compare(const CDataContainer& written, const Image& radio) const {
    const auto expected = LoadedLike(written, Expected(written.image(), radio));
    const auto held = LoadedLike(written, radio);
    return ConfigCompare(texts_).Compare(*expected, *held);
}

} // namespace tav
