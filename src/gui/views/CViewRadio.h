#pragma once

#include "gui/views/CCustomFormView.h"

namespace tav::gui {

/// The radio information editor (template 1109): model name, frequency range, serial number,
/// firmware version, signalling type and last programming date, all read-only. It shows the data
/// again on LoadView (after a write stamped the programming date) and stores nothing.
class CViewRadio : public CCustomFormView {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 1109;
    static constexpr int kModelNameEdit = 1111;
    static constexpr int kFrequencyRangeEdit = 1113;
    static constexpr int kSerialNumberEdit = 1115;
    static constexpr int kFirmwareVersionEdit = 1117;
    static constexpr int kSignalingTypeEdit = 1119;
    static constexpr int kLastProgrammedEdit = 1121;

    CViewRadio(AppContext& context, EditorHost* host, QWidget* parent = nullptr);

    void LoadView() override;
    /// The text an edit shows.
    QString FieldText(int editId) const;

protected:
    bool StoresOnDestroy() const override { return false; }
};

} // namespace tav::gui
