// Every editor walked as a screen reader meets it: each field a user can change or press is known
// by a name (its label, a button's caption), a drop-down by its label with its choice as its value,
// and the text part of an editable drop-down by the drop-down's name.
#include "EditorWalk.h"
#include "ShellTestSupport.h"
#include "gui/app/CChildFrame.h"
#include "gui/app/CMainFrame.h"
#include "gui/views/AlertToneChart.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextEdit>
#include <QtTest>
#include <algorithm>
#include <cmath>

using namespace tav;
using namespace tav::gui;
using namespace tav::gui::test;

namespace {

/// The user level that shows every editor, the factory ones included.
constexpr int kFullFactory = 9;

/// Whether a user can type into, choose in or press the widget.
bool IsOperable(const QWidget* widget) {
    if (qobject_cast<const QTabBar*>(widget->parentWidget()) || qobject_cast<const QHeaderView*>(widget)) {
        return false; // a tab bar's scroll buttons and a table's headings are parts of them
    }
    if (const auto* edit = qobject_cast<const QLineEdit*>(widget)) {
        return !edit->isReadOnly() || edit->focusPolicy() != Qt::NoFocus;
    }
    return qobject_cast<const QComboBox*>(widget) || qobject_cast<const QAbstractSpinBox*>(widget) ||
           qobject_cast<const QAbstractButton*>(widget) || qobject_cast<const QAbstractItemView*>(widget) ||
           qobject_cast<const QPlainTextEdit*>(widget) || qobject_cast<const QTextEdit*>(widget);
}

QString AccessibleName(QWidget* widget) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(QAccessible::Name) : QString();
}

QString Describe(const QWidget* widget) {
    return QStringLiteral("%1 %2").arg(QString::fromLatin1(widget->metaObject()->className()),
                                       widget->objectName());
}

bool InEditor(const QWidget* widget) {
    for (const QWidget* w = widget; w; w = w->parentWidget()) {
        if (qobject_cast<const CChildFrame*>(w)) {
            return true;
        }
    }
    return false;
}

/// The fields shown now in `root` that a screen reader cannot name, or names wrongly; the editors'
/// own fields are left out when `outsideEditors`.
QStringList Unnamed(QWidget* root, bool outsideEditors = false) {
    QStringList faults;
    for (QWidget* widget : root->findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(root) || !IsOperable(widget) || (outsideEditors && InEditor(widget))) {
            continue;
        }
        // The list of an open drop-down belongs to the drop-down.
        if (qobject_cast<QAbstractItemView*>(widget) && widget->window() != root->window()) {
            continue;
        }
        const QString name = AccessibleName(widget);
        if (name.trimmed().isEmpty()) {
            faults << Describe(widget) + QStringLiteral(": no name");
        } else if (auto* combo = qobject_cast<QComboBox*>(widget);
                   combo && (combo->accessibleName().isEmpty() || name != combo->accessibleName())) {
            // A drop-down known by its choice tells the choice twice and never what it chooses.
            faults << Describe(widget) +
                          QStringLiteral(": named \"%1\" by its choice, not by a label").arg(name);
        } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
            if (auto* combo = qobject_cast<QComboBox*>(edit->parentWidget());
                combo && name != AccessibleName(combo)) {
                faults << Describe(widget) + QStringLiteral(": the text of \"%1\" is named \"%2\"")
                                                 .arg(AccessibleName(combo), name);
            }
        }
    }
    return faults;
}

/// Each page of each tab widget in turn, so that fields on pages not shown are walked too.
QStringList UnnamedOnEveryPage(QWidget* root) {
    QStringList faults = Unnamed(root);
    for (QTabWidget* tabs : root->findChildren<QTabWidget*>()) {
        const int shown = tabs->currentIndex();
        for (int page = 0; page < tabs->count(); ++page) {
            tabs->setCurrentIndex(page);
            faults << Unnamed(tabs->widget(page));
        }
        tabs->setCurrentIndex(shown);
    }
    faults.removeDuplicates();
    return faults;
}

/// The contrast ratio of two colours, from 1 (none) to 21 (black on white).
double Contrast(const QColor& a, const QColor& b) {
    const auto luminance = [](const QColor& c) {
        const auto channel = [](double v) {
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
    };
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

/// A dark theme's palette: light text on dark bases and buttons.
QPalette DarkPalette() {
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(45, 45, 45));
    dark.setColor(QPalette::WindowText, QColor(230, 230, 230));
    dark.setColor(QPalette::Base, QColor(30, 30, 30));
    dark.setColor(QPalette::AlternateBase, QColor(50, 50, 50));
    dark.setColor(QPalette::Text, QColor(230, 230, 230));
    dark.setColor(QPalette::Button, QColor(60, 60, 60));
    dark.setColor(QPalette::ButtonText, QColor(230, 230, 230));
    dark.setColor(QPalette::Highlight, QColor(42, 130, 218));
    dark.setColor(QPalette::HighlightedText, QColor(255, 255, 255));
    return dark;
}

/// The cells of the tables in `root` whose own colours leave their text hard to read.
QStringList UnreadableCells(QWidget* root) {
    QStringList faults;
    for (QTableWidget* table : root->findChildren<QTableWidget*>()) {
        for (int r = 0; r < table->rowCount(); ++r) {
            for (int c = 0; c < table->columnCount(); ++c) {
                const QTableWidgetItem* item = table->item(r, c);
                if (!item || item->text().isEmpty()) {
                    continue;
                }
                const QBrush back = item->background();
                const QBrush fore = item->foreground();
                const QColor background =
                    back.style() == Qt::NoBrush ? table->palette().color(QPalette::Base) : back.color();
                const QColor text =
                    fore.style() == Qt::NoBrush ? table->palette().color(QPalette::Text) : fore.color();
                if (Contrast(background, text) < 4.5) {
                    faults << QStringLiteral("%1 cell %2,%3 \"%4\"")
                                  .arg(table->accessibleName())
                                  .arg(r)
                                  .arg(c)
                                  .arg(item->text());
                }
            }
        }
    }
    return faults;
}

} // namespace

class AccessibilityWalkTest : public QObject {
    Q_OBJECT
private slots:
    void everyFieldOfEveryEditorIsNamed();
    void tablesAndChartsStayReadableUnderADarkPalette();
};

void AccessibilityWalkTest::everyFieldOfEveryEditorIsNamed() {
    TestContext ctx(kFullFactory);
    CMainFrame frame(*ctx);
    frame.show();
    OpenEveryEditor(frame);
    const std::vector<CChildFrame*> editors = frame.EditorFrames();
    QVERIFY(editors.size() > 15);
    QStringList faults;
    for (CChildFrame* editor : editors) {
        for (const QString& fault : UnnamedOnEveryPage(editor)) {
            faults << editor->windowTitle() + QStringLiteral(": ") + fault;
        }
    }
    // The panes beside the editors: the tree, the problem list, the log.
    faults << Unnamed(&frame, true);
    faults.removeDuplicates();
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

void AccessibilityWalkTest::tablesAndChartsStayReadableUnderADarkPalette() {
    const QPalette before = QApplication::palette();
    QApplication::setPalette(DarkPalette());
    {
        TestContext ctx(kFullFactory);
        CMainFrame frame(*ctx);
        frame.show();
        OpenEveryEditor(frame);
        QStringList faults;
        for (CChildFrame* editor : frame.EditorFrames()) {
            faults << UnreadableCells(editor);
            // The alert tone's chart paints on the dark base, not on white.
            for (AlertToneChart* chart : editor->findChildren<AlertToneChart*>()) {
                const QImage shot = chart->grab().toImage();
                if (Contrast(shot.pixelColor(1, 1), QColor(230, 230, 230)) < 4.5) {
                    faults << editor->windowTitle() + QStringLiteral(": the chart's background is light");
                }
            }
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }
    QApplication::setPalette(before);
}

QTEST_MAIN(AccessibilityWalkTest)
#include "AccessibilityWalkTest.moc"
