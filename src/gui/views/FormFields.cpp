#include "gui/views/FormFields.h"

#include "gui/controls/DecimalRangeEdit.h"
#include "gui/controls/QtText.h"
#include "gui/views/FieldNames.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

namespace tav::gui::FormFields {

void SelectText(QComboBox* combo, const std::string& text) {
    if (!combo) {
        return;
    }
    combo->setCurrentIndex(text.empty() ? -1 : combo->findText(ToQt(text), Qt::MatchExactly));
}

std::string SelectedText(const QComboBox* combo) {
    return combo && combo->currentIndex() >= 0 ? ToStd(combo->currentText()) : std::string();
}

int SelectedValue(const QComboBox* combo) {
    if (!combo || combo->currentIndex() < 0) {
        return -1;
    }
    bool ok = false;
    const int value = combo->currentData().toInt(&ok);
    return ok ? value : -1;
}

void ShowChoices(QComboBox* combo, const TwoToneChoiceList& choices) {
    if (!combo) {
        return;
    }
    const QSignalBlocker quiet(combo);
    combo->clear();
    for (std::size_t i = 0; i < choices.texts.size(); ++i) {
        combo->addItem(ToQt(choices.texts[i]), QVariant::fromValue<qulonglong>(choices.values[i]));
    }
    combo->setCurrentIndex(choices.selected < combo->count() ? choices.selected : -1);
    combo->setEnabled(choices.enabled);
}

TwoToneChoiceList ChoicesShown(const QComboBox* combo) {
    TwoToneChoiceList choices;
    if (!combo) {
        return choices;
    }
    for (int i = 0; i < combo->count(); ++i) {
        choices.Add(ToStd(combo->itemText(i)), static_cast<ObjectId>(combo->itemData(i).toULongLong()));
    }
    choices.selected = combo->currentIndex();
    choices.enabled = combo->isEnabled();
    return choices;
}

void SetChecked(QCheckBox* box, int checked) {
    if (box) {
        box->setChecked(checked != 0);
    }
}

int IsChecked(const QCheckBox* box) {
    return box && box->isChecked() ? 1 : 0;
}

std::string Text(const QLineEdit* edit) {
    return edit ? ToStd(edit->text()) : std::string();
}

void SetText(QLineEdit* edit, const std::string& text) {
    if (edit) {
        edit->setText(ToQt(text));
        edit->setCursorPosition(0);
    }
}

void CommitEntry(QWidget* control) {
    if (auto* decimal = qobject_cast<DecimalRangeEdit*>(control)) {
        decimal->Commit();
    } else if (auto* numeric = qobject_cast<NumericRangeEdit*>(control)) {
        numeric->ReadValue();
    } else if (auto* filter = qobject_cast<FilterEdit*>(control)) {
        filter->Commit();
    }
}

void NameFields(const ControlMap& controls, const std::vector<std::pair<int, int>>& pairs) {
    for (const auto& [labelId, fieldId] : pairs) {
        const auto label = controls.find(labelId);
        const auto field = controls.find(fieldId);
        if (label == controls.end() || field == controls.end()) {
            continue;
        }
        if (auto* caption = qobject_cast<QLabel*>(label->second)) {
            NameField(*caption, *field->second);
        }
    }
}

} // namespace tav::gui::FormFields
