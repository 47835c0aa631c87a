#include "gui/app/CChildFrame.h"

#include "core/report/ReportSelection.h"
#include "gui/app/AppContext.h"
#include "gui/app/ShellTexts.h"
#include "gui/ui/ControlIds.h"
#include "gui/ui/Translator.h"
#include "gui/views/CCustomFormView.h"

#include <QCloseEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace tav::gui {

CChildFrame::CChildFrame(AppContext& context, int viewId, CCustomFormView* view, QWidget* parent)
    : QMdiSubWindow(parent), context_(context), viewId_(viewId), view_(view) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(style()->standardIcon(QStyle::SP_FileDialogDetailedView));

    auto* content = new QWidget;
    auto* column = new QVBoxLayout(content);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    if (view) {
        column->addWidget(view, 1);
    }
    column->addWidget(CreateRecordBar(content));
    setWidget(content);
    ConnectRecordBar();
    KeepFocusAcrossActivation();
    TranslateWindowMenu();
    SetNavigationState(false, 0);
}

void CChildFrame::TranslateWindowMenu() {
    // The window menu of the title bar comes with the framework's own English items; each is
    // found by that text and given the language's.
    QMenu* menu = systemMenu();
    if (!menu) {
        return;
    }
    const struct {
        const char* framework;
        int id;
    } items[] = {{"&Restore", kCommandRestore},
                 {"&Move", kMoveText},
                 {"&Size", kSizeText},
                 {"Stay on &Top", kStayOnTopText},
                 {"Mi&nimize", kCommandMinimize},
                 {"Ma&ximize", kCommandMaximize},
                 {"&Close", kCommandClose}};
    for (QAction* action : menu->actions()) {
        for (const auto& item : items) {
            if (action->text() == QLatin1String(item.framework)) {
                if (item.id == kCommandClose) {
                    // The platform's close keys include Ctrl+W, the program's Write to Radio: two
                    // commands on one key would leave the key doing nothing in every editor.
                    action->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_F4)});
                }
                action->setText(context_.ControlText(item.id, action->text()));
            }
        }
    }
}

QWidget* CChildFrame::CreateRecordBar(QWidget* content) {
    bar_ = new QFrame(content);
    bar_->setObjectName(QStringLiteral("recordBar"));
    static_cast<QFrame*>(bar_)->setFrameShape(QFrame::StyledPanel);
    auto* row = new QHBoxLayout(bar_);
    row->setContentsMargins(8, 5, 8, 5);
    row->setSpacing(6);
    row->addWidget(MakeButton(kCloseButton, QStringLiteral("Close"), bar_));
    row->addWidget(MakeButton(kPrintButton, QStringLiteral("Print"), bar_));
    row->addWidget(MakeButton(kHelpButton, QStringLiteral("Help"), bar_));
    row->addStretch(1);
    const struct {
        int id;
        QStyle::StandardPixmap icon;
        const char* text;
    } navigation[] = {
        {kFirstButton, QStyle::SP_MediaSkipBackward, "First"},
        {kPreviousButton, QStyle::SP_MediaSeekBackward, "Previous"},
        {kNextButton, QStyle::SP_MediaSeekForward, "Next"},
        {kLastButton, QStyle::SP_MediaSkipForward, "Last"},
        {kAddButton, QStyle::SP_FileDialogNewFolder, "Add"},
        {kDeleteButton, QStyle::SP_TrashIcon, "Delete"},
    };
    for (const auto& button : navigation) {
        QPushButton* made = MakeButton(button.id, QString::fromLatin1(button.text), bar_);
        made->setIcon(style()->standardIcon(button.icon));
        row->addWidget(made);
    }
    position_ = new QLabel(bar_);
    SetControlId(position_, kPositionText);
    position_->setMinimumWidth(80);
    position_->setAlignment(Qt::AlignCenter);
    row->addWidget(position_);
    QPushButton* spare = MakeButton(kSpareButton, {}, bar_);
    spare->hide();
    TranslateDialog(bar_, kRecordBarId, context_.Language());
    return bar_;
}

void CChildFrame::ConnectRecordBar() {
    // Print reports the editor's part of the configuration; editors outside the report have none.
    BarButton(kPrintButton)->setEnabled(ReportSelection::ItemOfView(viewId_).has_value());
    connect(BarButton(kPrintButton), &QPushButton::clicked, this, [this] { emit printRequested(this); });
    connect(BarButton(kCloseButton), &QPushButton::clicked, this, &QWidget::close);
    connect(BarButton(kHelpButton), &QPushButton::clicked, this, [this] {
        if (view_) {
            view_->ContextHelp(nullptr);
        }
    });
    const std::pair<int, NavigateCommand> commands[] = {
        {kFirstButton, NavigateCommand::First}, {kPreviousButton, NavigateCommand::Previous},
        {kNextButton, NavigateCommand::Next},   {kLastButton, NavigateCommand::Last},
        {kAddButton, NavigateCommand::Add},     {kDeleteButton, NavigateCommand::Delete},
    };
    for (const auto& [id, command] : commands) {
        const NavigateCommand navigate = command;
        connect(BarButton(id), &QPushButton::clicked, this,
                [this, navigate] { emit navigateRequested(this, navigate); });
    }
}

void CChildFrame::KeepFocusAcrossActivation() {
    // The field that had the focus gets it back when the window is active again.
    connect(this, &QMdiSubWindow::aboutToActivate, this, [this] {
        if (view_) {
            QMetaObject::invokeMethod(
                view_,
                [view = view_] {
                    if (view) {
                        view->RestoreFocus();
                    }
                },
                Qt::QueuedConnection);
        }
    });
    connect(this, &QMdiSubWindow::windowStateChanged, this,
            [this](Qt::WindowStates before, Qt::WindowStates now) {
                if (view_ && (before & Qt::WindowActive) && !(now & Qt::WindowActive)) {
                    view_->RememberFocus();
                }
            });
}

CChildFrame::~CChildFrame() {
    StoreBeforeClosing();
}

QPushButton* CChildFrame::MakeButton(int id, const QString& text, QWidget* bar) {
    auto* button = new QPushButton(text, bar);
    SetControlId(button, id);
    button->setAutoDefault(false);
    button->setFocusPolicy(Qt::TabFocus);
    return button;
}

QPushButton* CChildFrame::BarButton(int controlId) const {
    return qobject_cast<QPushButton*>(FindControl(bar_, controlId));
}

void CChildFrame::StoreBeforeClosing() {
    if (view_) {
        view_->StoreOnDestroy();
    }
}

void CChildFrame::closeEvent(QCloseEvent* event) {
    StoreBeforeClosing();
    QMdiSubWindow::closeEvent(event);
    if (event->isAccepted() && !closed_) {
        closed_ = true;
        emit closed(this);
    }
}

void CChildFrame::SetNavigationState(bool show, int codeOrHides) {
    navigationShown_ = show;
    const int navigationIds[] = {kFirstButton, kPreviousButton, kNextButton,
                                 kLastButton,  kAddButton,      kDeleteButton};
    for (const int id : navigationIds) {
        BarButton(id)->setVisible(show);
    }
    position_->setVisible(show);
    if (!show) {
        BarButton(kPrintButton)->setVisible(codeOrHides != 1 && codeOrHides != 2);
        BarButton(kHelpButton)->setVisible(codeOrHides != 2);
        buttons_ = RecordButtons{};
        return;
    }
    BarButton(kPrintButton)->setVisible(true);
    BarButton(kHelpButton)->setVisible(true);
    buttons_ = RecordBarRules::ButtonsFor(codeOrHides, buttons_);
    ApplyButtons();
}

void CChildFrame::ApplyButtons() {
    BarButton(kFirstButton)->setEnabled(buttons_.first);
    BarButton(kPreviousButton)->setEnabled(buttons_.previous);
    BarButton(kNextButton)->setEnabled(buttons_.next);
    BarButton(kLastButton)->setEnabled(buttons_.last);
    BarButton(kAddButton)->setEnabled(buttons_.add);
    BarButton(kDeleteButton)->setEnabled(buttons_.remove);
}

void CChildFrame::SetRecordPosition(int current, int count) {
    position_->setText(FillIn(context_.Message(ShellTexts::kRecordPosition, QStringLiteral("%d of %d")),
                              {QString::number(current), QString::number(count)}));
}

QString CChildFrame::PositionText() const {
    return position_->text();
}

bool CChildFrame::RunWindowCommand(int commandId) {
    switch (commandId) {
    case kCommandClose:
        close();
        return true;
    case kCommandMinimize:
        showMinimized();
        return true;
    case kCommandMaximize:
        showMaximized();
        return true;
    case kCommandRestore:
        showNormal();
        return true;
    default:
        return false;
    }
}

} // namespace tav::gui
