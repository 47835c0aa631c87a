#include "gui/app/DlgLanguage.h"

#include "core/app/CSettings.h"
#include "gui/controls/DialogButtons.h"
#include "gui/controls/QtText.h"
#include "gui/ui/Translator.h"

#include <QComboBox>
#include <QGridLayout>
#include <QVBoxLayout>

namespace tav::gui {

const DialogTemplate& DlgLanguage::Template() {
    static const DialogTemplate dialog{kDialogId,
                                       "Language",
                                       {
                                           {kLabel, ControlKind::Label, "Program language:", 0, 0},
                                           {kList, ControlKind::ComboBox, {}, 0, 1},
                                       }};
    return dialog;
}

DlgLanguage::DlgLanguage(const CSettings& settings, QWidget* parent)
    : QDialog(parent), current_(settings.LanguageIndex()) {
    auto* outer = new QVBoxLayout(this);
    outer->setSizeConstraint(QLayout::SetFixedSize);
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    grid->setColumnStretch(1, 1);
    outer->addLayout(grid);
    const ControlMap controls = BuildTemplate(Template(), this, grid);
    list_ = qobject_cast<QComboBox*>(controls.at(kList));
    list_->setMinimumWidth(220);
    outer->addSpacing(8);
    outer->addStretch(1);
    outer->addWidget(new DialogButtons(this, kDialogId));

    const CLanguage& language = settings.Language();
    TranslateDialog(this, kDialogId, language);
    // Factory levels may always switch the language, whatever the model's switch says.
    if (settings.IsFactoryLevel()) {
        list_->setEnabled(true);
    }
    // The translation filled the list with the raw items; the dialog shows the names alone.
    list_->clear();
    for (const std::string& name : language.ListTexts(kList)) {
        list_->addItem(ToQt(name));
    }
    list_->setCurrentIndex(current_ < list_->count() ? current_ : -1);
    setSizeGripEnabled(false);
}

void DlgLanguage::accept() {
    const int selected = list_->currentIndex();
    if (selected < 0 || selected == current_) {
        reject();
        return;
    }
    chosen_ = selected;
    QDialog::accept();
}

} // namespace tav::gui
