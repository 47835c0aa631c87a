#include "gui/app/UndoCommands.h"

#include "core/app/ViewTable.h"
#include "gui/app/AppContext.h"
#include "gui/app/CChildFrame.h"
#include "gui/app/CMainFrame.h"
#include "gui/app/NavigationTree.h"
#include "gui/views/CCustomFormView.h"
#include "gui/views/CViewChannelList.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>

namespace tav::gui {
namespace {

QString StepActionText(const QString& verb, const QString& step) {
    return step.isEmpty() ? verb : verb + QLatin1Char(' ') + step;
}

} // namespace

UndoCommands::UndoCommands(AppContext& context, CMainFrame& frame)
    : QObject(&frame), context_(context), frame_(frame) {
    DocumentUndo::Hooks hooks;
    hooks.commitPending = [this] { frame_.CommitPendingEdit(); };
    hooks.restored = [this](const ChangeDescription& step) { Restored(step); };
    history_ = std::make_unique<DocumentUndo>(context_, std::move(hooks), this);

    undo_ = new QAction(&frame_);
    undo_->setShortcut(QKeySequence::Undo);
    redo_ = new QAction(&frame_);
    QList<QKeySequence> redoKeys{QKeySequence(Qt::CTRL | Qt::Key_Y)};
    if (const QKeySequence standard(QKeySequence::Redo); standard != redoKeys.front()) {
        redoKeys.prepend(standard);
    }
    redo_->setShortcuts(redoKeys);
    for (QAction* action : {undo_, redo_}) {
        action->setShortcutContext(Qt::WindowShortcut);
        frame_.addAction(action);
    }
    connect(undo_, &QAction::triggered, this, [this] { history_->Undo(); });
    connect(redo_, &QAction::triggered, this, [this] { history_->Redo(); });
    QUndoStack& stack = history_->Stack();
    connect(&stack, &QUndoStack::canUndoChanged, undo_, &QAction::setEnabled);
    connect(&stack, &QUndoStack::canRedoChanged, redo_, &QAction::setEnabled);
    connect(&stack, &QUndoStack::undoTextChanged, this, &UndoCommands::Retranslate);
    connect(&stack, &QUndoStack::redoTextChanged, this, &UndoCommands::Retranslate);
    undo_->setEnabled(false);
    redo_->setEnabled(false);
    Retranslate();
    qApp->installEventFilter(this);
}

UndoCommands::~UndoCommands() {
    qApp->removeEventFilter(this);
}

void UndoCommands::AddTo(QMenu* editMenu) {
    Retranslate();
    QAction* first = editMenu->actions().isEmpty() ? nullptr : editMenu->actions().front();
    editMenu->insertAction(first, undo_);
    editMenu->insertAction(first, redo_);
    editMenu->insertSeparator(first);
}

void UndoCommands::Retranslate() {
    const QUndoStack& stack = history_->Stack();
    const QString undo = context_.ControlText(CViewChannelList::kUndoButton, QStringLiteral("Undo"));
    const QString redo = context_.ControlText(CViewChannelList::kRedoButton, QStringLiteral("Redo"));
    undo_->setText(QLatin1Char('&') + StepActionText(undo, stack.undoText()));
    redo_->setText(QLatin1Char('&') + StepActionText(redo, stack.redoText()));
    undo_->setStatusTip(StepActionText(undo, stack.undoText()));
    redo_->setStatusTip(StepActionText(redo, stack.redoText()));
}

bool UndoCommands::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::ShortcutOverride) {
        return QObject::eventFilter(watched, event);
    }
    auto* line = qobject_cast<QLineEdit*>(watched);
    if (!line || line->window() != frame_.window()) {
        return false;
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    // A field being typed in undoes its own typing first; with nothing left there, the document's
    // history takes the key (a text field would otherwise swallow it).
    const bool undo = key->matches(QKeySequence::Undo) && !line->isUndoAvailable();
    const bool redo = (key->matches(QKeySequence::Redo) ||
                       key->keyCombination() == QKeyCombination(Qt::CTRL, Qt::Key_Y)) &&
                      !line->isRedoAvailable();
    return undo || redo;
}

void UndoCommands::Restored(const ChangeDescription& step) {
    RecordListNotice notice;
    notice.sender = this;
    notice.command = NavigateCommand::GoTo;
    for (CChildFrame* frame : frame_.EditorFrames()) {
        if (CCustomFormView* view = frame->View(); view && !view->IsClosing()) {
            view->DataChanged(EditorMessages::kRecordListChanged, &notice);
            view->LoadView();
        }
    }
    frame_.Tree()->RefreshRecordItems();
    frame_.RefreshRecordBars();
    frame_.RefreshModified();
    ShowStep(step);
}

void UndoCommands::ShowStep(const ChangeDescription& step) {
    if (step.viewId == 0) {
        return;
    }
    // A channel changed in the channel list is shown there, not in a form of its own.
    CChildFrame* active = qobject_cast<CChildFrame*>(frame_.MdiArea()->activeSubWindow());
    if (active && step.viewId == ViewIds::kChannel && active->ViewId() == ViewIds::kChannelList) {
        if (auto* list = qobject_cast<CViewChannelList*>(active->View()); list && step.record > 0) {
            list->SetCurrentRow(static_cast<int>(step.record) - 1);
        }
        return;
    }
    NavigationTree* tree = frame_.Tree();
    QTreeWidgetItem* item = step.record > 0 ? tree->RecordItem(step.viewId, static_cast<int>(step.record))
                                            : nullptr;
    tree->OpenItem(item ? item : tree->FindItem(step.viewId));
}

} // namespace tav::gui
