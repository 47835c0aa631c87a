#pragma once

#include <QString>
#include <functional>
#include <map>
#include <vector>

class QGridLayout;
class QWidget;

namespace tav::gui {

/// The kinds of control a dialog template places.
enum class ControlKind {
    Label,         ///< "Static"
    PushButton,    ///< "Button"
    CheckBox,      ///< "Button"
    RadioButton,   ///< "Button"
    GroupBox,      ///< "Button" (a frame with a caption; holds no controls of its own here)
    ComboBox,      ///< drop-down list, "ComboBox"
    EditableCombo, ///< drop-down with an edit part, "ComboBox"
    ListBox,       ///< "ListBox"
    Edit,          ///< single-line edit, "Edit"
    ReadOnlyEdit,  ///< "Edit"
    MultiLineEdit, ///< "Edit"
    Picture,       ///< "Static"
    Custom,        ///< made by the factory given to BuildTemplate (entry controls, grids)
};

/// One control of a dialog template: its id (also the number of its text and list in the language
/// file), its kind, the text it shows when the language file has none, and its place in a grid.
struct ControlSpec {
    int id = 0;
    ControlKind kind = ControlKind::Label;
    QString text;
    int row = 0;
    int column = 0;
    int rowSpan = 1;
    int columnSpan = 1;
    bool hidden = false;
};

/// A dialog, form or page declared once: its id (caption text number and help topic), its default
/// caption and its controls.
struct DialogTemplate {
    int id = 0;
    QString caption;
    std::vector<ControlSpec> controls;
};

/// Makes a Custom control (receives the decl; returns the widget, owned by the caller's parent).
using ControlFactory = std::function<QWidget*(const ControlSpec&, QWidget* parent)>;

/// The widgets a template made, by control id.
using ControlMap = std::map<int, QWidget*>;

/// Creates the template's controls as children of `parent`, placed in `layout` (a grid owned by
/// `parent`), each given its control id and default text. The caption goes to `parent`'s title.
ControlMap BuildTemplate(const DialogTemplate& dialog, QWidget* parent, QGridLayout* layout,
                         const ControlFactory& custom = {});

} // namespace tav::gui
