#pragma once

#include "FakeTextLookup.h"
#include "TestSupport.h"
#include "data/RecordKind.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace tav::test {

/// The other record lists as the sig records see them: plain id vectors per kind.
class FakeDirectory : public RecordDirectory {
public:
    std::map<RecordKind, std::vector<ObjectId>> lists;

    std::size_t Count(RecordKind kind) const override { return Ids(kind).size(); }
    ObjectId IdAt(RecordKind kind, std::size_t position) const override {
        const auto& ids = Ids(kind);
        return position < ids.size() ? ids[position] : kNoObject;
    }
    std::optional<std::size_t> PositionOf(RecordKind kind, ObjectId id) const override {
        const auto& ids = Ids(kind);
        for (std::size_t i = 0; i < ids.size(); ++i) {
            if (ids[i] == id && id != kNoObject) {
                return i;
            }
        }
        return std::nullopt;
    }
    /// Fills a list with `count` ids from `first` in steps of 200.
    void Fill(RecordKind kind, std::size_t count, ObjectId first) {
        auto& ids = lists[kind];
        ids.clear();
        for (std::size_t i = 0; i < count; ++i) {
            ids.push_back(first + static_cast<ObjectId>(200 * i));
        }
    }
    void Erase(RecordKind kind, std::size_t position) {
        auto& ids = lists[kind];
        ids.erase(ids.begin() + static_cast<std::ptrdiff_t>(position));
    }

private:
    const std::vector<ObjectId>& Ids(RecordKind kind) const {
        static const std::vector<ObjectId> none;
        const auto it = lists.find(kind);
        return it == lists.end() ? none : it->second;
    }
};

/// The shipped English language file, read into a FakeTextLookup: value items become list items,
/// range items are expanded into their items, single texts become control or message texts.
/// Enough to check that the data objects' raw values meet items of the shipped lists.
inline FakeTextLookup ShippedLanguage() {
    FakeTextLookup lookup;
    std::ifstream in(ResourceDir() / "TAV_E.lng");
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        const auto eq = line.find('=');
        if (line.size() < 9 || eq != 8 || line[0] != 'S') {
            continue;
        }
        const int group = std::atoi(line.substr(1, 2).c_str());
        const int number = std::atoi(line.substr(3, 5).c_str());
        const std::string value = line.substr(9);
        if (group == 1) {
            lookup.messages[number] = value;
            continue;
        }
        if (group != 2) {
            continue;
        }
        lookup.controls[number] = value;
        std::stringstream items(value);
        std::string item;
        while (std::getline(items, item, ';')) {
            int start, step, end, divisor, first, increment, decimals;
            const auto dot = item.find('.');
            if (dot != std::string::npos && dot > 0 && item.find(':') == std::string::npos) {
                lookup.lists[number].emplace(std::atoi(item.substr(0, dot).c_str()), item.substr(dot + 1));
            } else if (std::sscanf(item.c_str(), "%d:%d:%d:%d:%d:%d:%d", &start, &step, &end, &divisor,
                                   &first, &increment, &decimals) == 7 &&
                       step > 0) {
                for (int k = 0; start + k * step <= end; ++k) {
                    char text[32];
                    if (decimals > 0) {
                        std::snprintf(text, sizeof text, "%.*f", decimals,
                                      static_cast<double>(start + k * step) / divisor);
                    } else {
                        std::snprintf(text, sizeof text, "%d", start + k * step);
                    }
                    lookup.lists[number].emplace(first + k * increment, text);
                }
            }
        }
    }
    return lookup;
}

} // namespace tav::test
