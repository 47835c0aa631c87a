#pragma once

#include <QWidget>

class QToolButton;

namespace tav::gui {

/// A pair of small up and down arrows beside an edit. A click (held down, it repeats) reports a
/// step; the arrows take no focus and change nothing themselves: their owner decides what a step
/// does to the edit.
class SpinArrows : public QWidget {
    Q_OBJECT
public:
    explicit SpinArrows(QWidget* parent = nullptr);

    /// Names the arrows after the edit they step ("<name> up", "<name> down").
    void SetEditName(const QString& name);
    QToolButton* Up() const { return up_; }
    QToolButton* Down() const { return down_; }

signals:
    void stepped(bool up);

private:
    QToolButton* up_;
    QToolButton* down_;
};

} // namespace tav::gui
