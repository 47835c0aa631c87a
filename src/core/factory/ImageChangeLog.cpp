#include "core/factory/ImageChangeLog.h"

#include <cstdio>

namespace tav {
namespace {

std::string Binary(std::uint8_t v) {
    std::string text(8, '0');
    for (int bit = 0; bit < 8; ++bit) {
        if (v & (0x80 >> bit)) {
            text[static_cast<std::size_t>(bit)] = '1';
        }
    }
    return text;
}

} // namespace

std::string ImageChange::LineText() const {
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "$E.0x%X:%.2X->%.2X", static_cast<unsigned>(address), before, after);
    return buffer;
}

std::string ImageChange::DecimalText() const {
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "$E.0x%X:%.2u->%.2u", static_cast<unsigned>(address), before, after);
    return buffer;
}

std::string ImageChange::BinaryText() const {
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "$E.0x%X:", static_cast<unsigned>(address));
    return buffer + Binary(before) + "\r\n->" + Binary(after);
}

std::vector<ImageChange> CompareImages(const Image& before, const Image& after) {
    std::vector<ImageChange> changes;
    for (std::size_t a = 0; a < before.size(); ++a) {
        if (before[a] != after[a]) {
            changes.push_back({a, before[a], after[a]});
        }
    }
    return changes;
}

std::vector<ImageChange> ImageChangeLog::Compare(const Image& image) {
    auto found = CompareImages(snapshot_, image);
    for (const auto& change : found) {
        snapshot_[change.address] = change.after;
        changes_.push_back(change);
    }
    return found;
}

const ImageChange* ImageChangeLog::FindAt(int row, int column) const {
    for (auto it = changes_.rbegin(); it != changes_.rend(); ++it) {
        if (it->Row() == row && it->Column() == column) {
            return &*it;
        }
    }
    return nullptr;
}

} // namespace tav
