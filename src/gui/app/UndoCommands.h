#pragma once

#include "gui/app/DocumentUndo.h"

#include <QObject>
#include <memory>

class QAction;
class QMenu;

namespace tav::gui {

class AppContext;
class CMainFrame;

/// Edit > Undo and Redo of the main window over the document's one history: the actions named
/// after their step, Ctrl+Z / Ctrl+Y from any editor, and the editors brought up to date when a
/// step is taken back.
class UndoCommands : public QObject {
    Q_OBJECT
public:
    UndoCommands(AppContext& context, CMainFrame& frame);
    ~UndoCommands() override;

    DocumentUndo& History() { return *history_; }
    QAction* UndoAction() const { return undo_; }
    QAction* RedoAction() const { return redo_; }

    /// Puts Undo and Redo at the top of the Edit menu, in the program's language.
    void AddTo(QMenu* editMenu);

protected:
    /// Ctrl+Z in a text field with nothing of its own to undo goes to the document.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Retranslate();
    void Restored(const ChangeDescription& step);
    /// Brings up the editor and record of an undone or redone step.
    void ShowStep(const ChangeDescription& step);

    AppContext& context_;
    CMainFrame& frame_;
    std::unique_ptr<DocumentUndo> history_;
    QAction* undo_ = nullptr;
    QAction* redo_ = nullptr;
};

} // namespace tav::gui
