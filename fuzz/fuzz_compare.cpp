// The compare of two documents loaded from arbitrary images, as tavctl compare and the compare
// window do, and the verify of one against the other as a radio's read-back. Nothing may crash or
// hang, equal images have no differences, the compare names as many differences either way
// round, every byte listed differs, and differing images never compare equal.
//
// Input: one byte N, then N edits of three bytes (address, least significant byte first, and the
// new value), then the first image (padded with 0xFF, the radio's erased state). The second image
// is the first with the edits applied.
#include "FuzzLanguage.h"
#include "FuzzSupport.h"
#include "core/app/CDataContainer.h"
#include "core/compare/ConfigCompare.h"
#include "core/compare/RadioVerify.h"
#include "core/lang/CLanguage.h"

#include <algorithm>
#include <memory>
#include <vector>

namespace {

using namespace tav;

const CLanguage& Language() {
    return fuzz::EnglishLanguage();
}

std::unique_ptr<CDataContainer> Loaded(const Image& image) {
    auto container = std::make_unique<CDataContainer>();
    container->Context().texts = &Language();
    container->image() = image;
    container->LoadAll();
    return container;
}

constexpr std::size_t kEditSize = 3;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const std::size_t edits = std::min<std::size_t>(data[0], (size - 1) / kEditSize);
    const std::uint8_t* imageStart = data + 1 + edits * kEditSize;
    const std::size_t imageBytes = size - 1 - edits * kEditSize;
    Image first;
    first.fill(0xFF);
    std::copy_n(imageStart, std::min(imageBytes, kImageSize), first.begin());
    Image second = first;
    for (std::size_t k = 0; k < edits; ++k) {
        const std::uint8_t* edit = data + 1 + k * kEditSize;
        second[(edit[0] | (edit[1] << 8)) % kImageSize] = edit[2];
    }

    const auto a = Loaded(first);
    const auto b = Loaded(second);
    const ConfigCompare compare(Language());
    FUZZ_CHECK(compare.Compare(*a, *a).empty());
    const std::vector<ConfigDifference> forward = compare.Compare(*a, *b);
    const std::vector<ConfigDifference> backward = compare.Compare(*b, *a);
    FUZZ_CHECK(forward.size() == backward.size());
    FUZZ_CHECK(forward.empty() == (first == second));
    for (const ConfigDifference& difference : forward) {
        FUZZ_CHECK(!difference.LineText().empty());
        if (difference.kind == ConfigDifference::Kind::Byte) {
            const ImageChange& change = difference.byte;
            FUZZ_CHECK(change.address < kImageSize);
            FUZZ_CHECK(change.before == first[change.address] && change.after == second[change.address]);
            FUZZ_CHECK(change.before != change.after);
        }
    }

    // The second image as a radio's read-back of the first document: a radio that holds the
    // written image itself holds the data.
    for (const bool factoryLevel : {false, true}) {
        const RadioVerify verify(Language(), factoryLevel);
        FUZZ_CHECK(verify.Compare(*a, first).empty());
        for (const ConfigDifference& difference : verify.Compare(*a, second)) {
            FUZZ_CHECK(!difference.LineText().empty());
        }
    }
    return 0;
}
