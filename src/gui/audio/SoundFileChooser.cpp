#include "gui/audio/SoundFileChooser.h"

#include <QFileDialog>

namespace tav::gui {

std::optional<QString> QtSoundFileChooser::ChooseWavFile(QWidget* parent, const QString& caption,
                                                         const QString& suggested) {
    QFileDialog dialog(parent, caption, suggested, QStringLiteral("WAV (*.wav)"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("wav"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().front();
}

} // namespace tav::gui
