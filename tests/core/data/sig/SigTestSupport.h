#pragma once

#include "support/FakeTextLookup.h"
#include "support/TestSupport.h"
#include "core/data/RecordKind.h"
#include "core/lang/CLanguage.h"

#include <map>
#include <optional>
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

/// The shipped English language file through the language module, as the data objects see it.
class ShippedLanguage : public TextLookup {
public:
    ShippedLanguage() : language_(ResourceDir() / "TAV_E.lng", [] { return std::string(); }) {}

    std::string GetMessageText(int n) const override { return language_.GetMessageText(n); }
    std::string GetControlText(int n) const override { return language_.GetControlText(n); }
    std::string ListValueToText(int listId, int value) const override {
        return language_.ListValueToText(listId, value);
    }
    int ListTextToValue(int listId, const std::string& text) const override {
        return language_.ListTextToValue(listId, text);
    }
    int IsControlDisabled(int controlId) const override { return language_.IsControlDisabled(controlId); }

private:
    CLanguage language_;
};

} // namespace tav::test
