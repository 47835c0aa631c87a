#pragma once

#include "core/comm/TransferPlan.h"
#include "core/factory/ModelData.h"
#include "gui/ui/DialogTemplate.h"

#include <QDialog>

namespace tav::gui {

class AppContext;
class CFreqEdit;
class FactoryPort;

/// The Factory Mode dialog (4805): the model data of the radio (name, band, range identifier,
/// limits, signalling type, serial number, open channel, oscillator and middle frequency, build
/// options and the manual tune switch). Read and Write move the model data areas to and from the
/// radio; Write Tune Switch sends the switch byte alone; Close stores the fields and asks about
/// each part of the data's identity that now differs from the current one.
class CDlgFactoryMode : public QDialog {
    Q_OBJECT
public:
    static constexpr int kWriteButton = 4840;
    static constexpr int kReadButton = 4841;
    static constexpr int kCloseButton = 4842;
    static constexpr int kWriteSwitchButton = 4846;
    static constexpr int kFirmwareEdit = 4854;

    CDlgFactoryMode(AppContext& context, FactoryPort& port, QWidget* parent = nullptr);

    /// The decisions Close took: which changed identity parts the user accepted.
    const IdentityChanges& Accepted() const { return accepted_; }
    QWidget* Field(int controlId) const;

public slots:
    void ReadRadio();
    void WriteRadio();
    void WriteTuneSwitch();
    /// Close: store, the three questions, then the dialog ends (Accepted).
    void CloseDialog();

protected:
    void reject() override { CloseDialog(); }

private:
    void LoadControls();
    void StoreControls();
    void ApplyUserLevel();
    void SetComboText(int id, const std::string& text);
    std::string ComboText(int id) const;
    /// A field of the model data's table in its control, and back.
    void ShowField(const BlockFieldInfo& field, const BlockValue& value);
    BlockValue ShownValue(const BlockFieldInfo& field) const;
    bool Confirm(int messageId) const;
    RadioImage RadioCopy() const;

    AppContext& context_;
    FactoryPort& port_;
    ControlMap controls_;
    IdentityChanges accepted_;
};

} // namespace tav::gui
