// LoadAll of an arbitrary image, then the reference check and StoreAll, as opening any file or
// reading any radio and then saving does. The stored image must keep every unmapped byte 0xFF,
// and saving what was loaded from a stored image must change nothing.
//
// Input: the image (shorter inputs are padded with 0xFF, the radio's erased state).
#include "FuzzLanguage.h"
#include "FuzzSupport.h"
#include "core/app/CDataContainer.h"
#include "core/data/ImageMap.h"
#include "core/data/ProblemList.h"
#include "core/lang/CLanguage.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace {

using namespace tav;
namespace M = tav::ImageMap;

/// The bytes some data object stores.
std::vector<bool> MappedBytes() {
    const std::pair<std::size_t, std::size_t> regions[] = {
        {M::kRadioInfo, M::kRadioInfoSize},
        {M::kKeys, M::kKeysSize},
        {M::kMiscFirst, M::kMiscFirstSize},
        {M::kModelData, M::kModelDataSize},
        {M::kMiscSecond, M::kMiscSecondSize},
        {M::kPttId, M::kPttIdSize},
        {M::kDos, M::kDosSize},
        {M::kAtis, M::kAtisSize},
        {M::kAlertTones, M::kAlertToneSize * M::kAlertToneCapacity},
        {M::kPasswords, M::kPasswordsSize},
        {M::kChannels, M::kChannelSize * M::kChannelCapacity},
        {M::kPersonalities, M::kPersonalitySize * M::kPersonalityCapacity},
        {M::kTwoToneSystems, M::kTwoToneSystemSize * M::kTwoToneSystemCapacity},
        {M::kTwoToneCalls, M::kTwoToneCallsEnd + 1 - M::kTwoToneCalls},
        {M::kScanLists, M::kScanListSize * M::kScanListCapacity},
        {M::kTestFreqs, M::kTestFreqsSize},
        {M::kEmbedded, M::kEmbeddedSize},
        {M::kTuneData, M::kTuneDataSize},
    };
    std::vector<bool> mapped(kImageSize, false);
    for (const auto& [offset, length] : regions) {
        std::fill_n(mapped.begin() + static_cast<long>(offset), length, true);
    }
    return mapped;
}

const CLanguage& Language() {
    return fuzz::EnglishLanguage();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::vector<bool> mapped = MappedBytes();
    const CLanguage& language = Language();

    CDataContainer container;
    container.Context().texts = &language;
    container.image().fill(0xFF);
    std::copy_n(data, std::min(size, kImageSize), container.image().begin());
    container.LoadAll();
    FUZZ_CHECK(container.Channels().Count() <= M::kChannelCapacity);
    FUZZ_CHECK(container.Personalities().Count() <= M::kPersonalityCapacity);
    FUZZ_CHECK(container.AlertTones().Count() <= M::kAlertToneCapacity);
    FUZZ_CHECK(container.TwoToneSystems().Count() <= M::kTwoToneSystemCapacity);
    FUZZ_CHECK(container.TwoToneCalls().Count() <= M::kTwoToneCallCapacity);
    FUZZ_CHECK(container.ScanLists().Count() <= M::kScanListCapacity);

    ProblemList problems([&](int id) { return language.IsControlDisabled(id) != 0; });
    const bool found = container.CheckAllReferences(problems, language);
    FUZZ_CHECK(found == problems.HasEntries());

    container.StoreAll();
    const Image stored = container.image();
    for (std::size_t i = 0; i < kImageSize; ++i) {
        FUZZ_CHECK(mapped[i] || stored[i] == 0xFF);
    }

    // Open the saved data and save it again: the same bytes.
    container.LoadAll();
    container.CheckAllReferences(problems, language);
    FUZZ_CHECK(problems.HasEntries() == found);
    container.StoreAll();
    FUZZ_CHECK(container.image() == stored);
    return 0;
}
