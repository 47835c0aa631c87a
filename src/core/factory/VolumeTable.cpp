#include "core/factory/VolumeTable.h"

#include "core/util/NumberText.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <iterator>
#include <string>

namespace tav {

namespace {

constexpr std::string_view kSection = "Setting";

std::string_view TrimView(std::string_view s) {
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front()))) {
        s.remove_prefix(1);
    }
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back()))) {
        s.remove_suffix(1);
    }
    return s;
}

bool SameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

/// A volume value as an integer key reads: the leading decimal number (0 when there is none),
/// kept within a byte.
std::uint8_t VolumeValue(std::string_view value) {
    const auto number = ReadDecimalInteger(value);
    return static_cast<std::uint8_t>(std::clamp<std::int64_t>(number.value_or(0), 0, 255));
}

} // namespace

VolumeTable VolumeTable::FromText(std::string_view text) {
    VolumeTable table;
    bool inSection = false;
    // The first occurrence of a key in the section counts, as the profile functions read it.
    bool seenVWide = false, seenVNarrow = false, seenUWide = false, seenUNarrow = false;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = TrimView(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        if (line.empty() || line.front() == ';') {
            continue;
        }
        if (line.front() == '[') {
            const std::size_t close = line.find(']');
            inSection =
                close != std::string_view::npos && SameName(TrimView(line.substr(1, close - 1)), kSection);
            continue;
        }
        const std::size_t equals = line.find('=');
        if (!inSection || equals == std::string_view::npos) {
            continue;
        }
        const std::string_view key = TrimView(line.substr(0, equals));
        const std::uint8_t value = VolumeValue(TrimView(line.substr(equals + 1)));
        auto take = [&](bool& seen, std::uint8_t& slot) {
            if (!seen) {
                slot = value;
                seen = true;
            }
        };
        if (SameName(key, "vwide")) {
            take(seenVWide, table.vWide_);
        } else if (SameName(key, "vnarrow")) {
            take(seenVNarrow, table.vNarrow_);
        } else if (SameName(key, "uwide")) {
            take(seenUWide, table.uWide_);
        } else if (SameName(key, "unarrow")) {
            take(seenUNarrow, table.uNarrow_);
        }
    }
    return table;
}

VolumeTable VolumeTable::Load(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        return {};
    }
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    return FromText(text);
}

} // namespace tav
