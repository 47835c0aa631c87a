#include "gui/controls/SpinArrows.h"

#include "gui/controls/NumericRangeEdit.h"
#include "gui/controls/QtText.h"

#include <QToolButton>
#include <QVBoxLayout>

namespace tav::gui {
namespace {

QToolButton* MakeArrow(Qt::ArrowType arrow, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setFixedSize(18, 12);
    return button;
}

} // namespace

SpinArrows::SpinArrows(QWidget* parent)
    : QWidget(parent), up_(MakeArrow(Qt::UpArrow, this)), down_(MakeArrow(Qt::DownArrow, this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(up_);
    layout->addWidget(down_);
    setFocusPolicy(Qt::NoFocus);
    connect(up_, &QToolButton::clicked, this, [this] { emit stepped(true); });
    connect(down_, &QToolButton::clicked, this, [this] { emit stepped(false); });
    SetEditName({});
}

SpinArrows::SpinArrows(NumericRangeEdit* edit, QWidget* parent) : SpinArrows(parent) {
    edit_ = edit;
    connect(this, &SpinArrows::stepped, this,
            [this](bool up) { Step(up ? SpinDirection::Up : SpinDirection::Down); });
    if (edit) {
        setEnabled(edit->isEnabled());
    }
}

void SpinArrows::SetEditName(const QString& name) {
    up_->setAccessibleName(name.isEmpty() ? tr("Up") : name + QStringLiteral(" up"));
    down_->setAccessibleName(name.isEmpty() ? tr("Down") : name + QStringLiteral(" down"));
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
