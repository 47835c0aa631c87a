#include "gui/controls/SpinArrows.h"

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
    connect(up_, &QToolButton::clicked, this, [this] { emit stepped(true); });
    connect(down_, &QToolButton::clicked, this, [this] { emit stepped(false); });
    SetEditName({});
}

void SpinArrows::SetEditName(const QString& name) {
    up_->setAccessibleName(name.isEmpty() ? tr("Up") : name + QStringLiteral(" up"));
    down_->setAccessibleName(name.isEmpty() ? tr("Down") : name + QStringLiteral(" down"));
}

} // namespace tav::gui
