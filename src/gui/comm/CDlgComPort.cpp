#include "gui/comm/CDlgComPort.h"

#include "gui/controls/DialogButtons.h"
#include "gui/controls/QtText.h"
#include "core/lang/CLanguage.h"
#include "gui/ui/ControlIds.h"
#include "gui/ui/Translator.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tav::gui {
namespace {

struct StateText {
    int id;
    const char* fallback;
};

StateText ReasonOf(PortError state) {
    switch (state) {
    case PortError::None:
        break;
    case PortError::NotPresent:
        return {CDlgComPort::kNotPresentText, "not connected"};
    case PortError::Busy:
        return {CDlgComPort::kBusyText, "in use by another program"};
    case PortError::PermissionDenied:
        return {CDlgComPort::kPermissionText, "no permission (dialout group)"};
    case PortError::NotSerial:
        return {CDlgComPort::kNotSerialText, "not a serial port"};
    case PortError::Other:
        return {CDlgComPort::kOtherErrorText, "cannot be opened"};
    }
    return {0, ""};
}

} // namespace

const DialogTemplate& CDlgComPort::Template() {
    static const DialogTemplate dialog = [] {
        DialogTemplate d{
            kDialogId, "Communication Port", {{kGroup, ControlKind::GroupBox, "Communication Port", 0, 0}}};
        return d;
    }();
    return dialog;
}

CDlgComPort::CDlgComPort(const std::vector<PortEntry>& ports, int rememberedPort, const CLanguage& language,
                         QWidget* parent)
    : QDialog(parent) {
    auto* outer = new QVBoxLayout(this);
    outer->setSizeConstraint(QLayout::SetFixedSize);
    auto* top = new QGridLayout;
    outer->addLayout(top);
    const ControlMap controls = BuildTemplate(Template(), this, top);
    auto* box = qobject_cast<QGroupBox*>(controls.at(kGroup));
    auto* grid = new QGridLayout(box);
    grid->setHorizontalSpacing(18);
    grid->setVerticalSpacing(4);
    grid->setColumnMinimumWidth(2, 240);
    group_ = new QButtonGroup(this);
    group_->setExclusive(true);

    for (int port = PortTable::kFirstPort; port <= PortTable::kLastPort; ++port) {
        auto* button = new QRadioButton(QStringLiteral("COM%1").arg(port), box);
        SetControlId(button, kGroup + port);
        group_->addButton(button, port);
        const int row = port - PortTable::kFirstPort;
        grid->addWidget(button, row, 0);
        auto* device = new QLabel(box);
        auto* about = new QLabel(box);
        grid->addWidget(device, row, 1);
        grid->addWidget(about, row, 2);
        button->setEnabled(false);
        device->setEnabled(false);
        about->setEnabled(false);
        for (const PortEntry& entry : ports) {
            if (entry.number != port) {
                continue;
            }
            device->setText(ToQt(entry.device));
            const bool usable = entry.state == PortError::None;
            button->setEnabled(usable);
            device->setEnabled(usable);
            about->setEnabled(usable);
            if (usable) {
                about->setText(ToQt(entry.description));
            } else {
                const StateText reason = ReasonOf(entry.state);
                const std::string text = language.GetControlText(reason.id);
                about->setText(
                    QStringLiteral("(%1)").arg(text.empty() ? QString(reason.fallback) : ToQt(text)));
                about->setToolTip(ToQt(entry.description));
            }
        }
    }
    outer->addSpacing(6);
    outer->addWidget(new DialogButtons(this, kDialogId));

    TranslateDialog(this, kDialogId, language);
    if (QAbstractButton* remembered = group_->button(rememberedPort); remembered && remembered->isEnabled()) {
        remembered->setChecked(true);
        remembered->setFocus();
    }
}

int CDlgComPort::SelectedIndex() const {
    const int port = group_->checkedId();
    return port >= PortTable::kFirstPort ? port - 1 : -1;
}

QRadioButton* CDlgComPort::Button(int port) const {
    return qobject_cast<QRadioButton*>(group_->button(port));
}

} // namespace tav::gui
