// Access keys: each caption of a group gets a letter of its own, the menu bar's letters are left to
// the menu bar, and the main window's Edit menu and the channel list's buttons are reachable by them.
#include "gui/controls/Mnemonics.h"

#include "EditorWalk.h"
#include "ShellTestSupport.h"
#include "gui/app/CChildFrame.h"
#include "gui/app/CMainFrame.h"
#include "gui/views/CViewChannelList.h"

#include <QMenuBar>
#include <QPushButton>
#include <QtTest>

using namespace tav;
using namespace tav::gui;
using namespace tav::gui::test;

namespace {

/// The access key of a caption (the letter after a single "&"), upper case; null without one.
QChar KeyOf(const QString& caption) {
    const qsizetype at = caption.indexOf(QRegularExpression(QStringLiteral("&[^&]")));
    return at < 0 ? QChar() : caption[at + 1].toUpper();
}

/// The captions that share a key or have none.
QStringList KeyFaults(const QStringList& captions, const QStringList& reserved = {}) {
    QStringList faults;
    QSet<QChar> seen;
    for (const QString& caption : reserved) {
        seen.insert(KeyOf(caption));
    }
    for (const QString& caption : captions) {
        const QChar key = KeyOf(caption);
        if (key.isNull() || seen.contains(key)) {
            faults << caption;
        }
        seen.insert(key);
    }
    return faults;
}

const QStringList kMenuBar{"&File", "&View", "&Edit", "&Program", "&Setting", "&Window", "&Help"};

} // namespace

class MnemonicsTest : public QObject {
    Q_OBJECT
private slots:
    void eachCaptionGetsAKeyOfItsOwn_data();
    void eachCaptionGetsAKeyOfItsOwn();
    void editMenuAndGridButtonsAreReachedByKeys();
};

void MnemonicsTest::eachCaptionGetsAKeyOfItsOwn_data() {
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<QStringList>("fallbacks");
    QTest::addColumn<QStringList>("reserved");
    QTest::addColumn<QStringList>("expected");
    const QStringList buttons{"Insert", "Delete", "Move Up", "Move Down", "Undo", "Redo", "Copy", "Paste"};
    QTest::newRow("grid buttons beside the menu bar")
        << buttons << QStringList{} << kMenuBar
        << QStringList{"&Insert", "&Delete", "&Move Up", "M&ove Down", "&Undo", "&Redo", "&Copy", "P&aste"};
    QTest::newRow("a word's first letter before others")
        << QStringList{"Radio Information", "Radio Settings", "Channels"} << QStringList{} << QStringList{}
        << QStringList{"&Radio Information", "Radio &Settings", "&Channels"};
    QTest::newRow("a key given is kept and left to its caption")
        << QStringList{"Channels", "&Channel List"} << QStringList{} << QStringList{}
        << QStringList{"C&hannels", "&Channel List"};
    QTest::newRow("Chinese captions take their English fallback's letter")
        << QStringList{"插入", "删除", "粘贴"} << QStringList{"Insert", "Delete", "Paste"} << kMenuBar
        << QStringList{"插入(&I)", "删除(&D)", "粘贴(&A)"};
    QTest::newRow("without a fallback the first free letter")
        << QStringList{"插入", "删除"} << QStringList{} << QStringList{"&A"}
        << QStringList{"插入(&B)", "删除(&C)"};
    QTest::newRow("empty captions stay empty")
        << QStringList{""} << QStringList{} << QStringList{} << QStringList{""};
}

void MnemonicsTest::eachCaptionGetsAKeyOfItsOwn() {
    QFETCH(QStringList, captions);
    QFETCH(QStringList, fallbacks);
    QFETCH(QStringList, reserved);
    QFETCH(QStringList, expected);
    const QStringList assigned = Mnemonics::Assign(captions, fallbacks, reserved);
    QCOMPARE(assigned, expected);
}

void MnemonicsTest::editMenuAndGridButtonsAreReachedByKeys() {
    TestContext ctx;
    CMainFrame frame(*ctx);
    // Each menu of the Edit menu's tree is one group: no two items share a key.
    std::vector<QMenu*> menus{frame.TopMenu(CMainFrame::kEditMenu)};
    while (!menus.empty()) {
        QMenu* menu = menus.back();
        menus.pop_back();
        QStringList captions;
        for (QAction* action : menu->actions()) {
            if (action->menu()) {
                menus.push_back(action->menu());
            }
            if (!action->isSeparator()) {
                captions << action->text();
            }
        }
        QVERIFY2(KeyFaults(captions).isEmpty(), qPrintable(KeyFaults(captions).join(QStringLiteral(", "))));
    }
    // The channel list's buttons leave the menu bar's letters alone.
    QStringList menuBar;
    for (QAction* top : frame.menuBar()->actions()) {
        menuBar << top->text();
    }
    CChildFrame* child = frame.OpenEditor(ViewIds::kChannelList, QStringLiteral("Channel List"));
    QVERIFY(child);
    QStringList buttons;
    for (QPushButton* button : child->View()->findChildren<QPushButton*>()) {
        if (button->parentWidget() == child->View() || child->View()->isAncestorOf(button)) {
            buttons << button->text();
        }
    }
    QVERIFY(buttons.size() >= 8);
    QVERIFY2(KeyFaults(buttons, menuBar).isEmpty(),
             qPrintable(KeyFaults(buttons, menuBar).join(QStringLiteral(", "))));
}

QTEST_MAIN(MnemonicsTest)
#include "MnemonicsTest.moc"
