#include "gui/controls/NamedComboAccessible.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLineEdit>

namespace tav::gui {
namespace {

class NamedComboAccessible : public QAccessibleWidget {
public:
    explicit NamedComboAccessible(QComboBox* combo) : QAccessibleWidget(combo, QAccessible::ComboBox) {}

    QComboBox* Combo() const { return static_cast<QComboBox*>(widget()); }

    QString text(QAccessible::Text t) const override {
        switch (t) {
        case QAccessible::Name:
            // Without a name of its own a drop-down is known by what it shows.
            return Combo()->accessibleName().isEmpty() ? Combo()->currentText() : Combo()->accessibleName();
        case QAccessible::Value:
            return Combo()->currentText();
        default:
            return QAccessibleWidget::text(t);
        }
    }

    int childCount() const override { return Combo()->lineEdit() ? 2 : 1; }
    QAccessibleInterface* child(int index) const override {
        if (index == 0) {
            return QAccessible::queryAccessibleInterface(Combo()->view());
        }
        if (index == 1 && Combo()->lineEdit()) {
            return QAccessible::queryAccessibleInterface(Combo()->lineEdit());
        }
        return nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        if (!child) {
            return -1;
        }
        if (child->object() == Combo()->view()) {
            return 0;
        }
        return Combo()->lineEdit() && child->object() == Combo()->lineEdit() ? 1 : -1;
    }

    QStringList actionNames() const override {
        return QStringList{showMenuAction(), pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& name) override {
        if (name == showMenuAction() || name == pressAction()) {
            Combo()->showPopup();
            return;
        }
        // Taking the focus and the other common actions work as for every widget.
        QAccessibleWidget::doAction(name);
    }
};

QAccessibleInterface* NamedComboFactory(const QString& /*className*/, QObject* object) {
    auto* combo = qobject_cast<QComboBox*>(object);
    if (combo) {
        return new NamedComboAccessible(combo);
    }
    return nullptr;
}

} // namespace

void UseNamedComboAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(&NamedComboFactory);
        return true;
    }();
    (void)installed;
}

} // namespace tav::gui
