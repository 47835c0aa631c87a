#include "gui/controls/SpinArrows.h"

#include "gui/controls/NumericRangeEdit.h"
#include "gui/controls/QtText.h"

#include <QToolButton>
#include <QVBoxLayout>

namespace tav::gui {
namespace {

QToolButton* MakeArrow(Qt::ArrowType arrow, const QString& name, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setArrowType(arrow);
    button->setFocusPolicy(Qt::NoFocus);
    button->setAutoRepeat(true);
    button->setFixedSize(18, 12);
    button->setAccessibleName(name);
    return button;
}

} // namespace

SpinArrows::SpinArrows(NumericRangeEdit* edit, QWidget* parent) : QWidget(parent), edit_(edit) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    up_ = MakeArrow(Qt::UpArrow, QStringLiteral("Up"), this);
    down_ = MakeArrow(Qt::DownArrow, QStringLiteral("Down"), this);
    layout->addWidget(up_);
    layout->addWidget(down_);
    setFocusPolicy(Qt::NoFocus);
    connect(up_, &QToolButton::clicked, this, [this] { Step(SpinDirection::Up); });
    connect(down_, &QToolButton::clicked, this, [this] { Step(SpinDirection::Down); });
    if (edit) {
        setEnabled(edit->isEnabled());
    }
}

void SpinArrows::Step(SpinDirection direction) {
    if (!edit_ || !edit_->isEnabled()) {
        return;
    }
    const NumericRange& range = edit_->Range();
    // Whole-number edits keep showing whole numbers, so the stepped text is still a value of
    // their range.
    const std::string text = range.decimals == 0 ? SpinIntegerText(range, ToStd(edit_->text()), direction)
                                                 : SpinDecimalText(range, ToStd(edit_->text()), direction,
                                                                   edit_->DecimalSeparator());
    edit_->setText(ToQt(text));
    edit_->selectAll();
}

} // namespace tav::gui
