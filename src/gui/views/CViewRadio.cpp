#include "gui/views/CViewRadio.h"

#include "core/data/RadioInfoData.h"
#include "gui/app/AppContext.h"
#include "gui/views/BlockFieldControls.h"
#include "gui/views/FormFields.h"

#include <QGridLayout>
#include <QLineEdit>

namespace tav::gui {
namespace {

namespace B = BlockFieldControls;

constexpr int kEditMinimumWidth = 280;

/// One row per field, its label before its read-only edit.
DialogTemplate RadioTemplate() {
    DialogTemplate dialog{CViewRadio::kTemplateId, QStringLiteral("Radio Information"), {}};
    int row = 0;
    for (const BlockFieldInfo& field : RadioInfoData::EditorFields()) {
        dialog.controls.push_back(B::LabelSpec(field, row, 0));
        dialog.controls.push_back(B::ControlSpecOf(field, row, 1));
        ++row;
    }
    return dialog;
}

} // namespace

CViewRadio::CViewRadio(AppContext& context, EditorHost* host, QWidget* parent)
    : CCustomFormView(context, host, kTemplateId, parent) {
    const ControlMap controls = BuildForm(RadioTemplate(), {}, false);
    FormFields::NameFields(controls, B::LabelPairs(RadioInfoData::EditorFields()));
    for (const auto& [id, control] : controls) {
        if (auto* edit = qobject_cast<QLineEdit*>(control)) {
            edit->setMinimumWidth(kEditMinimumWidth);
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
    B::ShowAll(RadioInfoData::EditorFields(), ui, *this);
}

QString CViewRadio::FieldText(int editId) const {
    const auto* edit = qobject_cast<const QLineEdit*>(Control(editId));
    return edit ? edit->text() : QString();
}

} // namespace tav::gui
