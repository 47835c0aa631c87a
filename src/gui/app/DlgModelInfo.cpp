#include "gui/app/DlgModelInfo.h"

#include "core/app/CSettings.h"
#include "core/app/FreqRangeTable.h"
#include "gui/controls/DialogButtons.h"
#include "gui/controls/QtText.h"
#include "gui/ui/Translator.h"

#include <QComboBox>
#include <QGridLayout>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace tav::gui {

const DialogTemplate& DlgModelInfo::Template() {
    static const DialogTemplate dialog{kDialogId,
                                       "Model Information",
                                       {
                                           {kNameLabel, ControlKind::Label, "Model Name:", 0, 0},
                                           {kNameBox, ControlKind::ComboBox, {}, 0, 1},
                                           {kRangeLabel, ControlKind::Label, "Frequency Range (MHz):", 1, 0},
                                           {kRangeBox, ControlKind::ComboBox, {}, 1, 1},
                                           {kSignalLabel, ControlKind::Label, "Signalling:", 2, 0},
                                           {kSignalBox, ControlKind::ComboBox, {}, 2, 1},
                                       }};
    return dialog;
}

DlgModelInfo::DlgModelInfo(CSettings& settings, QWidget* parent)
    : QDialog(parent), settings_(settings), original_(CurrentModelChoice(settings)),
      choice_(settings.ModelFile(), settings.ModelId(), settings.ModelName(), settings.FreqRange(),
              settings.SignalType()) {
    auto* outer = new QVBoxLayout(this);
    outer->setSizeConstraint(QLayout::SetFixedSize);
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(8);
    grid->setColumnStretch(1, 1);
    outer->addLayout(grid);
    const ControlMap controls = BuildTemplate(Template(), this, grid);
    names_ = qobject_cast<QComboBox*>(controls.at(kNameBox));
    ranges_ = qobject_cast<QComboBox*>(controls.at(kRangeBox));
    signals_ = qobject_cast<QComboBox*>(controls.at(kSignalBox));
    for (QComboBox* box : {names_, ranges_, signals_}) {
        box->setMinimumWidth(220);
    }
    outer->addSpacing(8);
    outer->addStretch(1);
    outer->addWidget(new DialogButtons(this, kDialogId));

    // The signalling box is filled from its language list here.
    TranslateDialog(this, kDialogId, settings.Language());

    for (const std::string& modelId : choice_.ModelIds()) {
        for (const std::string& name : choice_.ModelNames(modelId)) {
            names_->addItem(ToQt(name), ToQt(modelId));
        }
    }
    // A name may be listed under two models: the entry of the current model is the one shown.
    int current = -1;
    for (int i = 0; i < names_->count() && current < 0; ++i) {
        if (names_->itemText(i) == ToQt(original_.modelName) &&
            names_->itemData(i) == ToQt(original_.modelId)) {
            current = i;
        }
    }
    names_->setCurrentIndex(current >= 0 ? current : names_->findText(ToQt(original_.modelName)));
    FillRanges();
    ranges_->setCurrentIndex(ranges_->findText(ToQt(original_.rangeText)));
    signals_->setCurrentIndex(signals_->findData(original_.signalType));

    connect(names_, &QComboBox::activated, this, &DlgModelInfo::NameChosen);
    connect(ranges_, &QComboBox::activated, this, &DlgModelInfo::RangeChosen);
    connect(signals_, &QComboBox::activated, this, &DlgModelInfo::SignalChosen);
}

void DlgModelInfo::FillRanges() {
    const QSignalBlocker block(ranges_);
    ranges_->clear();
    FreqRangeTable table;
    if (!table.Load(choice_)) {
        return;
    }
    for (const FreqRangeRecord& range : table.Ranges()) {
        ranges_->addItem(ToQt(FormatRange(static_cast<long>(range.low), static_cast<long>(range.high))),
                         int{range.flags});
    }
}

void DlgModelInfo::NameChosen(int index) {
    if (index < 0) {
        return;
    }
    const std::string name = ToStd(names_->itemText(index));
    const std::string modelId = choice_.FindModelId(name);
    choice_.SetModelName(name);
    if (modelId != choice_.ModelId()) {
        choice_.SetModelId(modelId);
        FillRanges();
        ranges_->setCurrentIndex(ranges_->count() > 0 ? 0 : -1);
        // The first range of the new model is the one chosen, not the old model's range.
        choice_.SetRangeText(ToStd(ranges_->currentText()));
    }
    // The per-model switches of the language file follow the chosen model at once.
    settings_.SetModelId(modelId);
    signals_->setEnabled(settings_.Language().IsControlDisabled(kSignalBox) == 0);
    if (signals_->currentIndex() >= 0) {
        choice_.SetSignalType(signals_->currentData().toInt());
    }
}

void DlgModelInfo::RangeChosen(int index) {
    if (index >= 0) {
        choice_.SetRangeText(ToStd(ranges_->itemText(index)));
    }
}

void DlgModelInfo::SignalChosen(int index) {
    if (index >= 0) {
        choice_.SetSignalType(signals_->itemData(index).toInt());
    }
}

ModelInfoResult DlgModelInfo::Choice() const {
    return {choice_.ModelId(), choice_.ModelName(), choice_.RangeText(), choice_.SignalType()};
}

void DlgModelInfo::done(int result) {
    // The data still belongs to the model it had; the main frame takes the new identity over
    // together with the new data.
    settings_.SetModelId(original_.modelId);
    QDialog::done(result);
}

} // namespace tav::gui
