#include "gui/app/DocumentUndo.h"

#include "gui/app/AppContext.h"

#include <QTimer>
#include <QUndoCommand>

namespace tav::gui {

/// One edit: the document before and after it.
class SnapshotStep : public QUndoCommand {
public:
    SnapshotStep(DocumentUndo& owner, DocumentUndo::SharedSnapshot before, DocumentUndo::SharedSnapshot after,
                 ChangeDescription step)
        : QUndoCommand(QString::fromStdString(step.text)), owner_(owner), before_(std::move(before)),
          after_(std::move(after)), step_(std::move(step)) {}

    void undo() override { owner_.Apply(before_, step_); }
    void redo() override {
        // The edit itself already happened when the step is pushed.
        if (pushed_) {
            owner_.Apply(after_, step_);
        }
        pushed_ = true;
    }

private:
    DocumentUndo& owner_;
    DocumentUndo::SharedSnapshot before_;
    DocumentUndo::SharedSnapshot after_;
    ChangeDescription step_;
    bool pushed_ = false;
};

DocumentUndo::DocumentUndo(AppContext& context, Hooks hooks, QObject* parent)
    : QObject(parent), context_(context), hooks_(std::move(hooks)) {
    stack_.setUndoLimit(kDepth);
    last_ = TakeNow();
}

DocumentUndo::~DocumentUndo() = default;

DocumentUndo::SharedSnapshot DocumentUndo::TakeNow() {
    const Image stored = context_.Doc().ImageToSave();
    return std::make_shared<const DocumentSnapshot>(TakeDocumentSnapshot(context_.Container(), stored));
}

void DocumentUndo::Reset() {
    stack_.clear();
    last_ = TakeNow();
}

void DocumentUndo::NoteChange() {
    Checkpoint();
    if (!checkPending_) {
        checkPending_ = true;
        QTimer::singleShot(0, this, [this] {
            checkPending_ = false;
            Checkpoint();
        });
    }
}

void DocumentUndo::Checkpoint() {
    if (applying_) {
        return;
    }
    const Image stored = context_.Doc().ImageToSave();
    if (stored == last_->stored) {
        return;
    }
    SharedSnapshot now =
        std::make_shared<const DocumentSnapshot>(TakeDocumentSnapshot(context_.Container(), stored));
    ChangeDescription step =
        DescribeChange(context_.Container(), last_->stored, now->stored, context_.Language());
    auto before = std::exchange(last_, now);
    stack_.push(new SnapshotStep(*this, std::move(before), std::move(now), std::move(step)));
}

void DocumentUndo::Undo() {
    if (hooks_.commitPending) {
        hooks_.commitPending();
    }
    Checkpoint();
    stack_.undo();
}

void DocumentUndo::Redo() {
    if (hooks_.commitPending) {
        hooks_.commitPending();
    }
    Checkpoint();
    stack_.redo();
}

void DocumentUndo::Apply(const SharedSnapshot& snapshot, const ChangeDescription& step) {
    applying_ = true;
    RestoreDocumentSnapshot(context_.Container(), *snapshot);
    last_ = snapshot;
    if (hooks_.restored) {
        hooks_.restored(step);
    }
    applying_ = false;
}

} // namespace tav::gui
