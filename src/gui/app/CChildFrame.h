#pragma once

#include "core/app/RecordBarState.h"
#include "core/data/RecordNavigator.h"
#include "gui/views/CCustomFormView.h"

#include <QMdiSubWindow>
#include <QPointer>

class QLabel;
class QPushButton;

namespace tav::gui {

class AppContext;

/// An editor window: one editor view above a record bar (template 153) with Close, Print and Help,
/// the six record navigation buttons (first, previous, next, last, add, delete) and the position
/// text "%d of %d". The view stores its controls before the window goes away.
class CChildFrame : public QMdiSubWindow {
    Q_OBJECT
public:
    static constexpr int kRecordBarId = 153;
    static constexpr int kCloseButton = 1050;
    static constexpr int kPrintButton = 1051;
    static constexpr int kHelpButton = 1052;
    static constexpr int kFirstButton = 1053;
    static constexpr int kPreviousButton = 1054;
    static constexpr int kNextButton = 1055;
    static constexpr int kLastButton = 1056;
    static constexpr int kAddButton = 1057;
    static constexpr int kDeleteButton = 1058;
    static constexpr int kPositionText = 1059;
    static constexpr int kSpareButton = 1060;

    /// Tab-menu commands the window carries out.
    static constexpr int kCommandClose = 32903;
    static constexpr int kCommandMinimize = 32900;
    static constexpr int kCommandMaximize = 32902;
    static constexpr int kCommandRestore = 32901;
    /// Texts of the window menu's other items.
    static constexpr int kMoveText = 32907;
    static constexpr int kSizeText = 32908;
    static constexpr int kStayOnTopText = 32909;

    CChildFrame(AppContext& context, int viewId, CCustomFormView* view, QWidget* parent = nullptr);
    ~CChildFrame() override;

    int ViewId() const { return viewId_; }
    CCustomFormView* View() const { return view_; }

    /// The navigation bar's state: hidden (with Print, or Print and Help, hidden as `hides` says)
    /// or shown with a state code.
    void SetNavigationState(bool show, int codeOrHides);
    /// The position text: record `current` of `count`.
    void SetRecordPosition(int current, int count);
    bool NavigationShown() const { return navigationShown_; }
    RecordButtons Buttons() const { return buttons_; }
    QString PositionText() const;
    QPushButton* BarButton(int controlId) const;

    /// Carries out a tab-menu command on the window; false for another command.
    bool RunWindowCommand(int commandId);

    /// The view stores what it shows; afterwards it reports nothing more (the window is closing).
    void StoreBeforeClosing();
    bool IsClosed() const { return closed_; }

signals:
    /// A navigation button asks the view to move; the main frame carries it out.
    void navigateRequested(tav::gui::CChildFrame* frame, tav::NavigateCommand command);
    /// The Print button asks for the report of this editor's part.
    void printRequested(tav::gui::CChildFrame* frame);
    /// The window was closed (it is deleted soon after).
    void closed(tav::gui::CChildFrame* frame);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* CreateRecordBar(QWidget* content);
    void ConnectRecordBar();
    void KeepFocusAcrossActivation();
    void TranslateWindowMenu();
    void ApplyButtons();
    QPushButton* MakeButton(int id, const QString& text, QWidget* bar);

    AppContext& context_;
    int viewId_;
    QPointer<CCustomFormView> view_;
    QWidget* bar_ = nullptr;
    QLabel* position_ = nullptr;
    bool navigationShown_ = false;
    RecordButtons buttons_;
    bool closed_ = false;
};

} // namespace tav::gui
