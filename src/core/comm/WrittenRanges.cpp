#include "core/comm/WrittenRanges.h"

#include <cstdio>

namespace tav {
namespace {

AddressRange RangeOf(const TransferBlock& block) {
    return {block.address, block.address + block.length - 1u};
}

} // namespace

std::string AddressRange::Text() const {
    char text[16];
    std::snprintf(text, sizeof text, "%04X-%04X", static_cast<unsigned>(first), static_cast<unsigned>(last));
    return text;
}

WrittenRanges WrittenRanges::After(const BlockPlan& sent, std::size_t acknowledged, bool nextWasSent) {
    WrittenRanges ranges;
    for (std::size_t i = 0; i < acknowledged && i < sent.size(); ++i) {
        if (sent[i].length == 0) {
            continue;
        }
        const AddressRange block = RangeOf(sent[i]);
        if (!ranges.newData_.empty() && ranges.newData_.back().last + 1 == block.first) {
            ranges.newData_.back().last = block.last;
        } else {
            ranges.newData_.push_back(block);
        }
    }
    if (nextWasSent && acknowledged < sent.size() && sent[acknowledged].length > 0) {
        ranges.unsure_ = RangeOf(sent[acknowledged]);
    }
    return ranges;
}

std::string WrittenRanges::NewDataText() const {
    std::string text;
    for (const AddressRange& range : newData_) {
        if (!text.empty()) {
            text += ", ";
        }
        text += range.Text();
    }
    return text;
}

} // namespace tav
