#pragma once

#include "core/app/DocumentSnapshot.h"
#include "core/compare/ChangeDescription.h"

#include <QObject>
#include <QUndoStack>
#include <functional>
#include <memory>

namespace tav::gui {

class AppContext;

/// The document's one undo history, shared by every editor. Each change an editor stores (a field,
/// a grid cell, a paste, a move, an insert, a delete, an import) becomes one step, named after the
/// first field it changed; undoing it puts the whole document back as it was before, so that a
/// step never takes another editor's edits with it.
class DocumentUndo : public QObject {
    Q_OBJECT
public:
    /// Steps kept; older ones go.
    static constexpr int kDepth = 200;

    struct Hooks {
        /// Takes a value still being typed in an editor, before a step is undone.
        std::function<void()> commitPending;
        /// The document was put back: the editors show it and the one of the step's record comes up.
        std::function<void(const ChangeDescription& step)> restored;
    };

    DocumentUndo(AppContext& context, Hooks hooks, QObject* parent = nullptr);
    ~DocumentUndo() override;

    QUndoStack& Stack() { return stack_; }
    const QUndoStack& Stack() const { return stack_; }

    /// The document was replaced (made new, opened, read from a radio): the history starts again.
    void Reset();
    /// An editor told of a change: it becomes a step now, and what is stored after the notice
    /// (an editor that tells before it stores) joins a step once the event is handled.
    void NoteChange();
    /// Records any change not yet in the history as one step.
    void Checkpoint();

    void Undo();
    void Redo();

private:
    friend class SnapshotStep;
    using SharedSnapshot = std::shared_ptr<const DocumentSnapshot>;

    SharedSnapshot TakeNow();
    void Apply(const SharedSnapshot& snapshot, const ChangeDescription& step);

    AppContext& context_;
    Hooks hooks_;
    QUndoStack stack_;
    SharedSnapshot last_;
    bool applying_ = false;
    bool checkPending_ = false;
};

} // namespace tav::gui
