#include "core/compare/ChangeDescription.h"

#include "core/app/CDataContainer.h"
#include "core/compare/ConfigCompare.h"

namespace tav {
namespace {

std::string StepText(const ConfigDifference& first) {
    if (first.kind == ConfigDifference::Kind::Field && !first.subject.empty()) {
        return first.subject + " \u00B7 " + first.field;
    }
    return first.LineText();
}

} // namespace

ChangeDescription DescribeChange(const CDataContainer& like, const Image& before, const Image& after,
                                 const TextLookup& texts) {
    const auto a = CDataContainer::LoadedLike(like, before);
    const auto b = CDataContainer::LoadedLike(like, after);
    const std::vector<ConfigDifference> differences = ConfigCompare(texts).Compare(*a, *b);
    // Bytes that follow from a named change (the links of a record added) are not counted with it.
    std::vector<const ConfigDifference*> named;
    for (const ConfigDifference& difference : differences) {
        if (difference.kind != ConfigDifference::Kind::Byte) {
            named.push_back(&difference);
        }
    }
    if (named.empty()) {
        for (const ConfigDifference& difference : differences) {
            named.push_back(&difference);
        }
    }
    ChangeDescription description;
    description.changes = named.size();
    if (named.empty()) {
        return description;
    }
    const ConfigDifference& first = *named.front();
    description.text = StepText(first);
    if (named.size() > 1) {
        description.text += " (+" + std::to_string(named.size() - 1) + ")";
    }
    description.viewId = first.viewId;
    description.record = first.record;
    return description;
}

} // namespace tav
