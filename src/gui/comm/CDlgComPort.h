#pragma once

#include "core/comm/PortList.h"
#include "gui/ui/DialogTemplate.h"

#include <QDialog>
#include <vector>

class QButtonGroup;
class QRadioButton;

namespace tav {
class CLanguage;
}

namespace tav::gui {

/// The Communication Port dialog: COM1 to COM16, each with the device it stands for and, where
/// known, the adapter behind it. A port that cannot be opened now (missing, held by another
/// program, not permitted) is disabled and says why; when the remembered port is one of them,
/// no port is selected.
class CDlgComPort : public QDialog {
    Q_OBJECT
public:
    static constexpr int kDialogId = 150;
    static constexpr int kGroup = 1020;
    /// Radio button of port n: kGroup + n.
    static constexpr int kFirstButton = 1021;
    /// Texts of the reasons a port is disabled.
    static constexpr int kNotPresentText = 9111;
    static constexpr int kBusyText = 9112;
    static constexpr int kPermissionText = 9113;
    static constexpr int kNotSerialText = 9114;
    static constexpr int kOtherErrorText = 9115;
    static const DialogTemplate& Template();

    /// `ports` as ListPorts gives them; `rememberedPort` is 1 to 16 (anything else selects none).
    CDlgComPort(const std::vector<PortEntry>& ports, int rememberedPort, const CLanguage& language,
                QWidget* parent = nullptr);

    /// Zero-based selected index (port number - 1); -1 for none.
    int SelectedIndex() const;
    /// The chosen port number: index + 1, 0 when nothing is selected.
    int SelectedPort() const { return SelectedIndex() + 1; }
    QRadioButton* Button(int port) const;

private:
    QButtonGroup* group_ = nullptr;
};

} // namespace tav::gui
