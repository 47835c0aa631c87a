#pragma once

#include "core/app/FreqRangeRecord.h"

#include <filesystem>
#include <string>
#include <vector>

namespace tav {

/// Accessor for the model list `Model.dat`: the model identifiers with their model names (section
/// "Setting": "ModelID" lists the identifiers, a key per identifier lists its names) and, in a
/// section per identifier, "Number" ranges as "Freq0", "Freq1", ...
///
/// The object also carries a choice of identity (identifier, name, range text, signalling type),
/// as the Model Information dialog builds it.
class CModelList {
public:
    static constexpr const char* kSettingSection = "Setting";
    static constexpr const char* kModelIdKey = "ModelID";
    static constexpr const char* kNumberKey = "Number";
    /// Bytes read for the identifier and name lists and for one range entry, as buffers of these
    /// sizes (terminating NUL included) would.
    static constexpr std::size_t kListBytes = 1024;
    static constexpr std::size_t kEntryBytes = 100;

    /// Reads the range count of `modelId`.
    CModelList(std::filesystem::path modelFile, std::string modelId, std::string modelName = {},
               std::string rangeText = {}, int signalType = 0);

    const std::filesystem::path& ModelFile() const { return file_; }

    /// "Number" of the identifier's section as read (0 when missing, empty or negative).
    int GetRangeCount() const { return count_; }
    /// Reads "Freq<index>" of the identifier's section; false when missing or unreadable.
    bool GetRange(int index, FreqRangeRecord& record) const;
    /// How many entries from "Freq0" on can be read one after the other, whatever "Number" says.
    int ReadableRangeCount() const;
    /// Whether any readable "Freq<n>" entry of the section has these limits (however many there are).
    bool HasRange(std::uint32_t low, std::uint32_t high) const;

    /// The first identifier (in "ModelID" order) whose name list holds `modelName`; empty if none.
    std::string FindModelId(const std::string& modelName) const;
    /// Every identifier, in "ModelID" order.
    std::vector<std::string> ModelIds() const;
    /// The model names of one identifier, in file order.
    std::vector<std::string> ModelNames(const std::string& modelId) const;

    const std::string& ModelId() const { return modelId_; }
    /// Takes another identifier and re-reads its range count.
    void SetModelId(std::string modelId);
    const std::string& ModelName() const { return modelName_; }
    void SetModelName(std::string name) { modelName_ = std::move(name); }
    const std::string& RangeText() const { return rangeText_; }
    void SetRangeText(std::string rangeText) { rangeText_ = std::move(rangeText); }
    int SignalType() const { return signalType_; }
    void SetSignalType(int signalType) { signalType_ = signalType; }

    /// The key of range entry `index`: "Freq" and the index.
    static std::string RangeKey(int index);

private:
    void ReadCount();

    std::filesystem::path file_;
    std::string modelId_;
    std::string modelName_;
    std::string rangeText_;
    int signalType_ = 0;
    int count_ = 0;
};

} // namespace tav
