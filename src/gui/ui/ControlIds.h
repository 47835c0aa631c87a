#pragma once

class QWidget;

namespace tav::gui {

/// The kinds of control the language file knows: its texts and lists are applied by kind.
enum class WindowClass { Button, Static, ComboBox, ListBox, Edit, Other };

/// Gives a widget its control id: the number of its label text and list in the language file, of
/// its help topic and of its problem-list entries.
void SetControlId(QWidget* widget, int id);
/// The widget's control id; 0 when it has none.
int ControlId(const QWidget* widget);
/// The first descendant of `root` with that control id (depth first), or nullptr.
QWidget* FindControl(QWidget* root, int id);

/// The class a widget answers to: push buttons, check boxes, radio buttons and group boxes are
/// "Button"; labels "Static"; combo boxes "ComboBox"; list widgets "ListBox"; line edits, text edits
/// and spin boxes "Edit". A widget may claim another class with SetWindowClass.
WindowClass ClassOf(const QWidget* widget);
void SetWindowClass(QWidget* widget, WindowClass windowClass);
const char* WindowClassName(WindowClass windowClass);

} // namespace tav::gui
