#pragma once

#include "gui/views/EditorForm.h"

#include <QWidget>

class QGridLayout;

namespace tav::gui {

/// A page of an editor's property sheet: one dialog template, with the editors' change protocol,
/// the store when it goes away and context help (control, then the page's template, then the
/// default topic). In a page the Enter key moves the focus to the next control instead of
/// submitting anything, except on the default button (control id 1).
class CTAVPropertyPage : public QWidget, public EditorForm {
    Q_OBJECT
public:
    /// Control id of a default button, on which Enter keeps its usual meaning.
    static constexpr int kDefaultButtonId = 1;

    CTAVPropertyPage(AppContext& context, EditorHost* host, int templateId, QWidget* parent = nullptr);
    ~CTAVPropertyPage() override;

    QWidget* FormWidget() const override { return const_cast<CTAVPropertyPage*>(this); }

    /// Moves the focus from `from` to the next control of the page that takes the Tab key.
    /// Returns whether it moved.
    bool FocusNextControl(QWidget* from);

protected:
    /// Makes the template's controls on the page, translates and binds them, and lets Enter move
    /// between them.
    ControlMap BuildPage(const DialogTemplate& dialog, const ControlFactory& custom = {}, bool watch = true);
    QGridLayout* PageLayout() const { return layout_; }
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void WatchEnter(QWidget* widget);

    QGridLayout* layout_;
};

} // namespace tav::gui
