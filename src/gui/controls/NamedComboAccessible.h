#pragma once

class QComboBox;

namespace tav::gui {

/// Lets a drop-down that was given an accessible name (its label's text) report that name to
/// screen readers, instead of its current text as the platform's drop-downs do on Linux; its
/// current text stays its value, its list and edit part stay its children, and Press opens it.
/// A drop-down without an accessible name is known by its current text, as before. Applies to the
/// drop-downs made after the first call.
void UseNamedComboAccessibility();

} // namespace tav::gui
