#include "core/app/ModelChoice.h"

#include "core/app/CSettings.h"

namespace tav {

ModelChoiceChange CompareModelChoice(const ModelChoice& current, const ModelChoice& chosen) {
    if (current == chosen) {
        return ModelChoiceChange::None;
    }
    if (current.modelId == chosen.modelId && current.rangeText == chosen.rangeText &&
        current.signalType == chosen.signalType) {
        return ModelChoiceChange::NameOnly;
    }
    return ModelChoiceChange::Identity;
}

ModelChoice CurrentModelChoice(const CSettings& settings) {
    return {settings.ModelId(), settings.ModelName(), settings.FreqRange(), settings.SignalType()};
}

void ApplyModelChoice(CSettings& settings, const ModelChoice& choice) {
    settings.SetModelId(choice.modelId);
    settings.SetModelName(choice.modelName);
    settings.SetFreqRange(choice.rangeText);
    settings.SetSignalType(choice.signalType);
}

} // namespace tav
