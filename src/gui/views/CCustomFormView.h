#pragma once

#include "gui/views/CTAVPropertySheet.h"
#include "gui/views/EditorForm.h"

#include <QPointer>
#include <QScrollArea>
#include <optional>

class QGridLayout;
class QVBoxLayout;

namespace tav::gui {

/// Where a record editor stands in its list: the current record (1-based, 0 when none is current)
/// and the number of records.
struct RecordPosition {
    int current = 0;
    int count = 0;
};

/// An editor view: one dialog template shown in a scrolling area inside an editor window.
///
/// A concrete view builds its controls in its constructor (`BuildForm`), fills them in
/// `OnInitialUpdate`, and overrides LoadView, StoreView and, for record editors, NavigateRecord,
/// Position and DataChanged. The change protocol, the store when the window closes, context help
/// and the focus memory come from here.
class CCustomFormView : public QScrollArea, public EditorForm {
    Q_OBJECT
public:
    CCustomFormView(AppContext& context, EditorHost* host, int templateId, QWidget* parent = nullptr);
    ~CCustomFormView() override;

    /// The view identifier the editor was opened for.
    int ViewId() const { return viewId_; }
    void SetViewId(int viewId) { viewId_ = viewId; }

    /// First showing: fills the controls from the data (LoadView unless a view does more).
    virtual void OnInitialUpdate() { LoadView(); }
    /// Moves to another record, or adds or deletes one (record editors only).
    virtual void NavigateRecord(int /*recordNumber*/, NavigateCommand /*command*/) {}
    /// Another editor changed data (0) or a record list (kRecordListChanged with the notice).
    virtual void DataChanged(std::uint32_t /*wParam*/, const RecordListNotice* /*notice*/) {}
    /// The image was rebuilt from the data (the change-log editor lists what changed).
    virtual void RefreshFromImage() {}
    /// The record editor's place in its list; nothing for an editor of a single block.
    virtual std::optional<RecordPosition> Position() const { return std::nullopt; }

    /// The property sheet the view hosts, if it has one: help goes to its active page.
    CTAVPropertySheet* Sheet() const { return sheet_; }
    /// Help for a control; a view with a sheet asks its active page.
    void ContextHelp(QWidget* control) override;

    /// Remembers which control has the focus (the window is being left).
    void RememberFocus();
    /// Gives the focus back to the remembered control, or to the first control when it is gone.
    void RestoreFocus();
    QWidget* RememberedFocus() const { return lastFocus_; }
    /// Shows the control of a template id (its sheet page made current) and gives it the focus;
    /// false when the view has no such control.
    bool FocusControl(int controlId);

    QWidget* FormWidget() const override { return form_; }

protected:
    /// Makes the template's controls on the view's form, translates them and binds them.
    ControlMap BuildForm(const DialogTemplate& dialog, const ControlFactory& custom = {}, bool watch = true);
    /// Puts a property sheet on the view's form instead of single controls.
    void SetSheet(CTAVPropertySheet* sheet);
    /// The form fills the view instead of keeping its natural size at the top left: a table in it
    /// takes the room and scrolls inside itself, the controls around it stay in sight.
    void FillView();
    QGridLayout* FormLayout() const { return layout_; }

private:
    QWidget* form_;
    QVBoxLayout* outer_;
    QWidget* panel_;
    QGridLayout* layout_;
    QPointer<CTAVPropertySheet> sheet_;
    QPointer<QWidget> lastFocus_;
    int viewId_ = 0;
};

} // namespace tav::gui
