#pragma once

#include "gui/ui/DialogTemplate.h"
#include "gui/views/EditorHost.h"

#include <QPointer>
#include <cstdint>
#include <map>

class QGridLayout;
class QWidget;

namespace tav::gui {

class AppContext;
class ControlChangeWatcher;

/// What every editor form and page shares: its controls made from a dialog template, the change
/// protocol that binds them to the data, the store when it goes away, and context help.
///
/// The change protocol: a click, a drop-down selection, or focus leaving a drop-down or an edit
/// runs the editor's own reaction for that control, stores all controls into the data (StoreView)
/// and then tells the host once (DataChanged with 0). Controls of other classes, and controls that
/// are gone, are ignored.
class EditorForm {
public:
    /// The order of the steps after a qualifying control event.
    enum class ChangeOrder {
        ReactThenStore, ///< the editor's reaction, the store, then DataChanged
        StoreThenReact, ///< the store, the reaction, then DataChanged
        NotifyThenStore ///< the reaction, DataChanged, then the store
    };

    EditorForm(AppContext& context, EditorHost* host, int templateId);
    virtual ~EditorForm();
    EditorForm(const EditorForm&) = delete;
    EditorForm& operator=(const EditorForm&) = delete;

    /// The dialog template the form shows; also its help topic.
    int TemplateId() const { return templateId_; }
    AppContext& Context() const { return context_; }
    EditorHost* Host() const { return host_; }
    void SetHost(EditorHost* host) { host_ = host; }

    /// Shows the data in the controls again.
    virtual void LoadView() {}
    /// Reads all controls into the data.
    virtual void StoreView() {}

    /// The change protocol for one control event (see the class comment).
    void ControlChanged(int controlId, int notifyCode);
    /// Ends an edit still being typed as focus loss would: the focused control's event runs.
    void CommitFocusedControl();
    /// The store before the form goes away; afterwards the form reports no more events.
    void StoreOnDestroy();
    bool IsClosing() const { return closing_; }

    /// Help for a control of the form: its own topic, else the form's, else the default topic.
    virtual void ContextHelp(QWidget* control);

    /// The live control with that id; nullptr when there is none (any more).
    QWidget* Control(int controlId) const;
    /// The form's live controls by id.
    ControlMap Controls() const;

    /// The widget whose descendants are the form's controls.
    virtual QWidget* FormWidget() const = 0;

protected:
    virtual ChangeOrder Order() const { return ChangeOrder::ReactThenStore; }
    /// The editor's own reaction to a control event (enable dependent controls, refill a list...).
    virtual void OnControlChanged(int /*controlId*/, int /*notifyCode*/) {}
    /// Whether the form stores when it goes away (read-only forms do not).
    virtual bool StoresOnDestroy() const { return true; }

    /// Makes the template's controls in `layout` (a grid owned by `parent`), translates the form and,
    /// when `watch` is set, binds the controls to the change protocol.
    ControlMap BuildControls(QWidget* parent, QGridLayout* layout, const DialogTemplate& dialog,
                             const ControlFactory& custom = {}, bool watch = true);
    /// Binds controls added later (by the editor itself) to the change protocol.
    void WatchControl(QWidget* control);

    /// Tells the host that data changed.
    void SendDataChanged(std::uint32_t wParam = 0, const RecordListNotice* notice = nullptr);
    /// Tells the host that this editor carried out a navigation command on its record list.
    void SendRecordListChanged(NavigateCommand command);

private:
    AppContext& context_;
    EditorHost* host_;
    int templateId_;
    std::map<int, QPointer<QWidget>> controls_;
    QPointer<ControlChangeWatcher> watcher_;
    bool inChange_ = false;
    bool closing_ = false;
};

/// Where an editor form or page keeps its template id for the help hook.
void SetTemplateIdOf(QWidget* widget, int templateId);
int TemplateIdOf(const QWidget* widget);

} // namespace tav::gui
