// The private-profile parser on arbitrary file text: section and key lookups, the cut of a text
// to a buffer's size, a changed file seen at the next read (the file is rewritten in place at
// every run, often with the same size within the same millisecond), and a write of one key that
// leaves every other key as it was.
//
// Input: the first byte chooses the section and key of the write, the rest is the file.
#include "FuzzSupport.h"
#include "core/platform/AsciiText.h"
#include "core/platform/PrivateProfile.h"

#include <map>
#include <optional>
#include <vector>

namespace {

using namespace tav;
namespace PP = tav::PrivateProfile;

// Names the seed files use, in several spellings.
const std::vector<std::string> kSections = {"Setting", "setting", "A", "b", "TAV-V300", "User Mode", "x y"};
const std::vector<std::string> kKeys = {"Language", "S0100800", "s0200128", "k", "K", "j", "Port", "a b"};

struct Snapshot {
    std::vector<std::string> sections;
    std::vector<PP::Entries> entries;
    std::map<std::pair<std::string, std::string>, std::optional<std::string>> named;
    bool operator==(const Snapshot&) const = default;
};

Snapshot Take(const std::filesystem::path& file) {
    Snapshot s;
    s.sections = PP::SectionNames(file);
    for (std::size_t i = 0; i < s.sections.size() && i < 16; ++i) {
        s.entries.push_back(PP::ReadSection(file, s.sections[i]));
    }
    for (const auto& section : kSections) {
        for (const auto& key : kKeys) {
            s.named[{section, key}] = PP::Find(file, section, key);
        }
    }
    return s;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const std::uint8_t choice = data[0];
    const std::string_view text = fuzz::AsText(std::span(data + 1, size - 1));

    // The same text under a name that the cache has seen before and under a new one.
    static const auto reused = fuzz::ScratchDir() / "reused.ini";
    static unsigned counter = 0;
    const auto fresh = fuzz::ScratchDir() / ("fresh" + std::to_string(counter++ % 64) + ".ini");
    fuzz::Overwrite(reused, text);
    std::filesystem::remove(fresh);
    fuzz::Overwrite(fresh, text);
    const Snapshot before = Take(fresh);
    FUZZ_CHECK(Take(reused) == before);

    for (std::size_t i = 0; i < before.entries.size(); ++i) {
        for (const auto& [key, value] : before.entries[i]) {
            FUZZ_CHECK(!key.empty());
            // Every listed key is found in its section (perhaps with an earlier entry's value).
            FUZZ_CHECK(PP::Find(fresh, before.sections[i], key).has_value());
        }
    }
    const std::size_t maxChars = 1 + choice % 7;
    for (const auto& [where, value] : before.named) {
        const std::string cut = PP::ReadString(fresh, where.first, where.second, "fallback", maxChars);
        const std::string full = value.value_or("fallback");
        FUZZ_CHECK(cut.size() < maxChars && full.compare(0, cut.size(), cut) == 0);
        const int n = PP::ReadInt(fresh, where.first, where.second, -7);
        FUZZ_CHECK(value.has_value() || n == -7);
    }

    // Setting one key changes that key and nothing else.
    const std::string& section = kSections[choice % kSections.size()];
    const std::string& key = kKeys[(choice / kSections.size()) % kKeys.size()];
    const std::string value = "v" + std::to_string(choice);
    const bool written = PP::WriteString(fresh, section, key, value).ok();
    FUZZ_CHECK(written);
    {
        const Snapshot after = Take(fresh);
        for (const auto& [where, old] : before.named) {
            if (AsciiText::EqualsNoCase(where.first, section) && AsciiText::EqualsNoCase(where.second, key)) {
                FUZZ_CHECK(after.named.at(where) == std::optional<std::string>(value));
            } else {
                FUZZ_CHECK(after.named.at(where) == old);
            }
        }
    }
    return 0;
}
