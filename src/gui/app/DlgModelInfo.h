#pragma once

#include "core/app/CModelList.h"
#include "core/app/ModelChoice.h"
#include "gui/ui/DialogTemplate.h"

#include <QDialog>

class QComboBox;

namespace tav {
class CSettings;
}

namespace tav::gui {

/// What the Model Information dialog chose: model identifier, model name, range text and
/// signalling type. The main frame compares it with the current identity (CompareModelChoice)
/// and applies it.
using ModelInfoResult = ModelChoice;

/// The Model Information dialog: the model name (every name of every model in the model list),
/// the frequency range (the ranges of the chosen model) and the signalling type. Choosing a name
/// of another model makes that model the current one while the dialog is open, so that the
/// language file's per-model switches apply to it; the identity of the data is left as it was
/// when the dialog closes, whatever the outcome; the main frame applies the result.
class DlgModelInfo : public QDialog {
    Q_OBJECT
public:
    static constexpr int kDialogId = 1070;
    static constexpr int kNameLabel = 1071;
    static constexpr int kNameBox = 1072;
    static constexpr int kRangeLabel = 1073;
    static constexpr int kRangeBox = 1074;
    static constexpr int kSignalLabel = 1075;
    static constexpr int kSignalBox = 1076;
    static const DialogTemplate& Template();

    DlgModelInfo(CSettings& settings, QWidget* parent = nullptr);

    /// The identity as chosen so far (the result after OK).
    ModelInfoResult Choice() const;
    /// The identity the dialog started from.
    const ModelInfoResult& Original() const { return original_; }

    QComboBox* NameBox() const { return names_; }
    QComboBox* RangeBox() const { return ranges_; }
    QComboBox* SignalBox() const { return signals_; }

    void done(int result) override;

private:
    void NameChosen(int index);
    void RangeChosen(int index);
    void SignalChosen(int index);
    /// Fills the range box with the ranges of the chosen model.
    void FillRanges();

    CSettings& settings_;
    ModelInfoResult original_;
    CModelList choice_;
    QComboBox* names_ = nullptr;
    QComboBox* ranges_ = nullptr;
    QComboBox* signals_ = nullptr;
};

} // namespace tav::gui
