#include "gui/views/CViewRadio.h"

#include "gui/app/AppContext.h"
#include "core/data/RadioInfoData.h"

#include <QGridLayout>
#include <QLineEdit>

namespace tav::gui {
namespace {

// Labels carry the number before their edit's.
constexpr int kLabelOffset = 1;

DialogTemplate RadioTemplate() {
    const struct {
        int edit;
        const char* label;
    } fields[] = {{CViewRadio::kModelNameEdit, "Model Name"},
                  {CViewRadio::kFrequencyRangeEdit, "Frequency Range[MHz]"},
                  {CViewRadio::kSerialNumberEdit, "Serial Number"},
                  {CViewRadio::kFirmwareVersionEdit, "Firmware Version"},
                  {CViewRadio::kSignalingTypeEdit, "Signaling Type"},
                  {CViewRadio::kLastProgrammedEdit, "Last Programmed Date"}};
    DialogTemplate dialog{CViewRadio::kTemplateId, QStringLiteral("Radio Information"), {}};
    int row = 0;
    for (const auto& field : fields) {
        dialog.controls.push_back(
            {field.edit - kLabelOffset, ControlKind::Label, QString::fromLatin1(field.label), row, 0});
        dialog.controls.push_back({field.edit, ControlKind::ReadOnlyEdit, {}, row, 1});
        ++row;
    }
    return dialog;
}

} // namespace

CViewRadio::CViewRadio(AppContext& context, EditorHost* host, QWidget* parent)
    : CCustomFormView(context, host, kTemplateId, parent) {
    const ControlMap controls = BuildForm(RadioTemplate(), {}, false);
    for (const auto& [id, control] : controls) {
        if (auto* edit = qobject_cast<QLineEdit*>(control)) {
            edit->setMinimumWidth(280);
            edit->setFocusPolicy(Qt::StrongFocus);
        }
    }
    FormLayout()->setColumnMinimumWidth(0, 150);
    FormLayout()->setVerticalSpacing(10);
}

void CViewRadio::LoadView() {
    CDataContainer& container = Context().Container();
    RadioInfoUi ui;
    container.RadioInfo().LoadUi(ui, Context().Language(), container.Context());
    const std::pair<int, const std::string*> texts[] = {
        {kModelNameEdit, &ui.modelName},         {kFrequencyRangeEdit, &ui.frequencyRange},
        {kSerialNumberEdit, &ui.serialNumber},   {kFirmwareVersionEdit, &ui.firmwareVersion},
        {kSignalingTypeEdit, &ui.signalingType}, {kLastProgrammedEdit, &ui.lastProgrammed}};
    for (const auto& [id, text] : texts) {
        if (auto* edit = qobject_cast<QLineEdit*>(Control(id))) {
            edit->setText(FromLanguage(*text));
            edit->setCursorPosition(0);
        }
    }
}

QString CViewRadio::FieldText(int editId) const {
    const auto* edit = qobject_cast<const QLineEdit*>(Control(editId));
    return edit ? edit->text() : QString();
}

} // namespace tav::gui
