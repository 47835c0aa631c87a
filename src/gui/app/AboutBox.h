#pragma once

#include <QDialog>

namespace tav::gui {

class AppContext;

/// The About box (dialog 100): the program's name, version and purpose.
class AboutBox : public QDialog {
    Q_OBJECT
public:
    static constexpr int kDialogId = 100;

    explicit AboutBox(AppContext& context, QWidget* parent = nullptr);
};

} // namespace tav::gui
