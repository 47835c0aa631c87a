#pragma once

#include "core/data/TwoToneChoiceList.h"
#include "gui/ui/DialogTemplate.h"

#include <string>
#include <utility>
#include <vector>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QWidget;

namespace tav::gui {

/// Small helpers the editors share to move transfer-structure values in and out of their controls.
namespace FormFields {

/// Selects the item showing `text`; no selection when no item shows it.
void SelectText(QComboBox* combo, const std::string& text);
/// The selected item's text; empty without a selection.
std::string SelectedText(const QComboBox* combo);
/// The selected item's language value (the item data); -1 without a selection.
int SelectedValue(const QComboBox* combo);

/// Refills a list that picks another record, selects and enables it as the choice says.
void ShowChoices(QComboBox* combo, const TwoToneChoiceList& choices);
/// The choice list a list filled by ShowChoices shows now, with its selection.
TwoToneChoiceList ChoicesShown(const QComboBox* combo);

void SetChecked(QCheckBox* box, int checked);
int IsChecked(const QCheckBox* box);
std::string Text(const QLineEdit* edit);
void SetText(QLineEdit* edit, const std::string& text);

/// Lets an entry control take its value back as losing the focus would (numeric edits snap and
/// clamp, filter edits correct their text), so that a store right after reads the corrected text.
void CommitEntry(QWidget* control);

/// Gives every field the text of its label (without a trailing colon) as its accessible name and
/// makes the label its buddy; check boxes and buttons keep their captions. `pairs` are (label id,
/// field id); controls missing from `controls` are skipped.
void NameFields(const ControlMap& controls, const std::vector<std::pair<int, int>>& pairs);

} // namespace FormFields

} // namespace tav::gui
