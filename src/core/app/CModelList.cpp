#include "core/app/CModelList.h"

#include "core/platform/AsciiText.h"
#include "core/platform/PrivateProfile.h"

namespace tav {

CModelList::CModelList(std::filesystem::path modelFile, std::string modelId, std::string modelName,
                       std::string rangeText, int signalType)
    : file_(std::move(modelFile)), modelId_(std::move(modelId)), modelName_(std::move(modelName)),
      rangeText_(std::move(rangeText)), signalType_(signalType) {
    ReadCount();
}

void CModelList::ReadCount() {
    count_ = modelId_.empty() ? 0 : PrivateProfile::ReadInt(file_, modelId_, kNumberKey, 0);
    if (count_ < 0) {
        count_ = 0;
    }
}

void CModelList::SetModelId(std::string modelId) {
    modelId_ = std::move(modelId);
    ReadCount();
}

std::string CModelList::RangeKey(int index) {
    return "Freq" + std::to_string(index);
}

bool CModelList::GetRange(int index, FreqRangeRecord& record) const {
    if (modelId_.empty() || index < 0) {
        return false;
    }
    const auto value = PrivateProfile::Find(file_, modelId_, RangeKey(index));
    if (!value) {
        return false;
    }
    const auto parsed = ParseRangeEntry(AsciiText::CutUtf8(*value, kEntryBytes - 1));
    if (!parsed) {
        return false;
    }
    record = *parsed;
    return true;
}

int CModelList::ReadableRangeCount() const {
    int count = 0;
    for (FreqRangeRecord record; GetRange(count, record);) {
        ++count;
    }
    return count;
}

bool CModelList::HasRange(std::uint32_t low, std::uint32_t high) const {
    if (modelId_.empty()) {
        return false;
    }
    for (const auto& [key, value] : PrivateProfile::ReadSection(file_, modelId_)) {
        if (!AsciiText::EqualsNoCase(key.substr(0, 4), "Freq")) {
            continue;
        }
        const auto parsed = ParseRangeEntry(AsciiText::CutUtf8(value, kEntryBytes - 1));
        if (parsed && parsed->low == low && parsed->high == high) {
            return true;
        }
    }
    return false;
}

std::vector<std::string> CModelList::ModelIds() const {
    return AsciiText::SplitList(
        PrivateProfile::ReadString(file_, kSettingSection, kModelIdKey, {}, kListBytes));
}

std::vector<std::string> CModelList::ModelNames(const std::string& modelId) const {
    if (modelId.empty()) {
        return {};
    }
    return AsciiText::SplitList(PrivateProfile::ReadString(file_, kSettingSection, modelId, {}, kListBytes));
}

std::string CModelList::FindModelId(const std::string& modelName) const {
    for (const auto& id : ModelIds()) {
        for (const auto& name : ModelNames(id)) {
            if (name == modelName) {
                return id;
            }
        }
    }
    return {};
}

} // namespace tav
