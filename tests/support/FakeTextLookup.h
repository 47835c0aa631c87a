#pragma once

#include "core/lang/TextLookup.h"

#include <map>
#include <set>
#include <string>
#include <utility>

namespace tav::test {

/// An in-memory language: texts and list items set by the test.
class FakeTextLookup : public TextLookup {
public:
    std::map<int, std::string> messages;
    std::map<int, std::string> controls;
    std::map<int, std::map<int, std::string>> lists; ///< list id -> (raw value -> text)
    std::set<int> disabled;

    std::string GetMessageText(int n) const override { return Find(messages, n); }
    std::string GetControlText(int n) const override { return Find(controls, n); }
    std::string ListValueToText(int listId, int value) const override {
        auto list = lists.find(listId);
        if (list == lists.end()) {
            return {};
        }
        auto item = list->second.find(value);
        return item == list->second.end() ? std::string{} : item->second;
    }
    int ListTextToValue(int listId, const std::string& text) const override {
        auto list = lists.find(listId);
        if (list == lists.end()) {
            return -1;
        }
        for (const auto& [value, itemText] : list->second) {
            if (itemText == text) {
                return value;
            }
        }
        return -1;
    }
    int IsControlDisabled(int controlId) const override { return disabled.count(controlId) ? 1 : 0; }

    /// Makes list `listId` hold the items first..last with texts equal to their numbers.
    void NumberList(int listId, int first, int last) {
        for (int v = first; v <= last; ++v) {
            lists[listId][v] = std::to_string(v);
        }
    }

private:
    static std::string Find(const std::map<int, std::string>& m, int n) {
        auto it = m.find(n);
        return it == m.end() ? std::string{} : it->second;
    }
};

} // namespace tav::test
