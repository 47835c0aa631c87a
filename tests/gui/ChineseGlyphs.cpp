// Chinese menu texts drawn with real glyphs on a real X display: each character of the menu bar's
// titles and of the File menu, drawn in the menu's font, must differ from the drawing of a
// character that no font has (a box or nothing) and must not be blank. Run under Xvfb by
// run-under-xvfb.sh; the offscreen platform cannot show missing fonts.
#include "ShellTestSupport.h"
#include "gui/app/CMainFrame.h"

#include <QGuiApplication>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QtTest>

using namespace tav;
using namespace tav::gui;
using namespace tav::gui::test;

namespace {

QImage Drawn(const QString& text, const QFont& font) {
    QImage image(64, 64, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(image.rect(), Qt::AlignCenter, text);
    return image;
}

bool IsBlank(const QImage& image) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != qRgb(255, 255, 255)) {
                return false;
            }
        }
    }
    return true;
}

bool IsChinese(QChar c) {
    return c.unicode() >= 0x2E80 && c.unicode() <= 0x9FFF;
}

} // namespace

class ChineseGlyphs : public QObject {
    Q_OBJECT
private slots:
    void menuTextsHaveRealGlyphs();
};

void ChineseGlyphs::menuTextsHaveRealGlyphs() {
    if (QGuiApplication::platformName() != QStringLiteral("xcb")) {
        QSKIP("needs the xcb platform on a (virtual) X display");
    }
    TestContext ctx;
    ctx->Settings().SelectLanguage(1);
    CMainFrame frame(*ctx);
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    const QFont font = frame.menuBar()->font();
    // U+10FFFD is a private-use character that no shipped font draws.
    const QImage missing = Drawn(QString::fromUcs4(U"\U0010FFFD"), font);

    QStringList texts;
    for (QAction* top : frame.menuBar()->actions()) {
        texts << top->text();
        if (top->menu() && texts.size() == 1) {
            for (QAction* item : top->menu()->actions()) {
                texts << item->text();
            }
        }
    }
    QStringList boxes;
    int checked = 0;
    for (const QString& text : texts) {
        for (const QChar c : text) {
            if (!IsChinese(c)) {
                continue;
            }
            ++checked;
            const QImage glyph = Drawn(QString(c), font);
            if (glyph == missing || IsBlank(glyph)) {
                boxes << QString(c) + QStringLiteral(" in ") + text;
            }
        }
    }
    QVERIFY2(checked > 10, "the menus hold no Chinese text");
    QVERIFY2(boxes.isEmpty(),
             qPrintable(QStringLiteral("drawn without a glyph: ") + boxes.join(QStringLiteral(", "))));
    if (const QByteArray shot = qgetenv("TAV_SCREENSHOT"); !shot.isEmpty()) {
        frame.grab().save(QString::fromLocal8Bit(shot));
    }
}

QTEST_MAIN(ChineseGlyphs)
#include "ChineseGlyphs.moc"
