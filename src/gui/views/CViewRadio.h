#pragma once

#include "core/data/RadioInfoData.h"
#include "gui/views/CCustomFormView.h"

namespace tav::gui {

/// The radio information editor (template 1109): model name, frequency range, serial number,
/// firmware version, signalling type and last programming date, all read-only. It shows the data
/// again on LoadView (after a write stamped the programming date) and stores nothing.
class CViewRadio : public CCustomFormView {
    Q_OBJECT
public:
    static constexpr int kTemplateId = RadioInfoData::kTemplateId;
    static constexpr int kModelNameEdit = RadioInfoData::kModelNameEditId;
    static constexpr int kFrequencyRangeEdit = RadioInfoData::kFrequencyRangeEditId;
    static constexpr int kSerialNumberEdit = RadioInfoData::kSerialNumberEditId;
    static constexpr int kFirmwareVersionEdit = RadioInfoData::kFirmwareVersionEditId;
    static constexpr int kSignalingTypeEdit = RadioInfoData::kSignalingTypeEditId;
    static constexpr int kLastProgrammedEdit = RadioInfoData::kLastProgrammedEditId;

    CViewRadio(AppContext& context, EditorHost* host, QWidget* parent = nullptr);

    void LoadView() override;
    /// The text an edit shows.
    QString FieldText(int editId) const;

protected:
    bool StoresOnDestroy() const override { return false; }
};

} // namespace tav::gui
