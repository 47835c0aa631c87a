#include "core/comm/TransferPlan.h"

#include <algorithm>

namespace tav {
namespace {

BlockPlan Blocks(std::initializer_list<std::pair<std::uint32_t, std::uint16_t>> list) {
    BlockPlan blocks;
    for (const auto& [address, length] : list) {
        blocks.push_back({address, address, length});
    }
    return blocks;
}

} // namespace

BlockPlan SplitRange(std::uint32_t start, std::uint32_t end) {
    BlockPlan blocks;
    for (std::uint32_t a = start; a < end; a += plan::kBlockSize) {
        const auto length = static_cast<std::uint16_t>(std::min<std::uint32_t>(plan::kBlockSize, end - a));
        blocks.push_back({a, a, length});
    }
    return blocks;
}

BlockPlan FullReadPlan() {
    return SplitRange(0, kRadioImageSize);
}

BlockPlan FullWritePlan(bool factoryLevel) {
    BlockPlan blocks = SplitRange(plan::kKeysStart, plan::kKeysEnd);
    blocks.push_back({plan::kMiscStart, plan::kMiscStart, plan::kMiscLength});
    const BlockPlan main =
        SplitRange(plan::kMainStart, factoryLevel ? plan::kMainEndFactory : plan::kMainEnd);
    blocks.insert(blocks.end(), main.begin(), main.end());
    return blocks;
}

TransferBlock DateBlock() {
    return {plan::kDateAddress, plan::kDateAddress, plan::kDateLength};
}

BlockPlan SerialNumberPlan() {
    return {{plan::kSerialNumberAddress, plan::kSerialNumberAddress, plan::kSerialNumberLength}};
}

BlockPlan ModelDataReadPlan() {
    return Blocks({{0x10, 16}, {0x28, 8}, {0x48, 16}, {0xB5, 32}, {0xDE, 32}});
}

BlockPlan ModelDataWritePlan() {
    return Blocks({{0x10, 16}, {0x28, 24}, {0x48, 16}, {0xB5, 32}, {0xD5, 4}, {0xDE, 32}});
}

BlockPlan TuneDataPlan() {
    return SplitRange(plan::kTuneStart, plan::kTuneEnd);
}

BlockPlan EmbeddedDataPlan() {
    BlockPlan blocks;
    for (std::uint32_t done = 0; done < plan::kEmbeddedLength; done += plan::kBlockSize) {
        const auto length = static_cast<std::uint16_t>(
            std::min<std::uint32_t>(plan::kBlockSize, plan::kEmbeddedLength - done));
        blocks.push_back({plan::kEmbeddedAddress + done, plan::kEmbeddedImageOffset + done, length});
    }
    return blocks;
}

int ReadProgress(std::size_t blockIndex) {
    return static_cast<int>(blockIndex * 3200 / 8160);
}

int WriteProgress(std::size_t blockNumber, std::size_t count) {
    if (count < 2) {
        return 100;
    }
    return static_cast<int>(std::min<std::size_t>(100, 100 * blockNumber / (count - 1)));
}

} // namespace tav
