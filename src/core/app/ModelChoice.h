#pragma once

#include <string>

namespace tav {

class CSettings;

/// The identity of the data as the Model Information dialog chooses it.
struct ModelChoice {
    std::string modelId;
    std::string modelName;
    std::string rangeText; ///< "%d-%d" in whole MHz
    int signalType = 0;

    bool operator==(const ModelChoice&) const = default;
};

/// What choosing a new identity means for the data.
enum class ModelChoiceChange {
    None,     ///< nothing changed
    NameOnly, ///< only the model name: the data stays, the name is replaced
    Identity, ///< identifier, range or signalling type: the data is replaced (New) after a question
};

ModelChoiceChange CompareModelChoice(const ModelChoice& current, const ModelChoice& chosen);

/// The settings' current identity.
ModelChoice CurrentModelChoice(const CSettings& settings);
/// Takes over all four values.
void ApplyModelChoice(CSettings& settings, const ModelChoice& choice);

} // namespace tav
