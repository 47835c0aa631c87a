#include "gui/controls/Mnemonics.h"

#include <QAction>
#include <QMenu>
#include <QSet>

namespace tav::gui {
namespace {

/// The letter after a caption's "&", if it has one ("&&" is a literal ampersand).
QChar TakenLetter(const QString& caption) {
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&')) {
            if (caption[i + 1] == QLatin1Char('&')) {
                ++i;
                continue;
            }
            return caption[i + 1].toUpper();
        }
    }
    return {};
}

bool IsKeyLetter(QChar c) {
    return (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) ||
           (c >= QLatin1Char('a') && c <= QLatin1Char('z')) ||
           (c >= QLatin1Char('0') && c <= QLatin1Char('9'));
}

/// The position of the first free letter of `text`: a word's first letter before any other; -1 if none.
qsizetype FreeLetter(const QString& text, const QSet<QChar>& used) {
    for (const bool wordStartsOnly : {true, false}) {
        for (qsizetype i = 0; i < text.size(); ++i) {
            const bool wordStart = i == 0 || !text[i - 1].isLetterOrNumber();
            if (IsKeyLetter(text[i]) && (wordStart || !wordStartsOnly) && !used.contains(text[i].toUpper())) {
                return i;
            }
        }
    }
    return -1;
}

} // namespace

QStringList Mnemonics::Assign(const QStringList& captions, const QStringList& fallbacks,
                              const QStringList& reserved) {
    QSet<QChar> used;
    for (const QString& caption : captions + reserved) {
        if (const QChar taken = TakenLetter(caption); !taken.isNull()) {
            used.insert(taken);
        }
    }
    QStringList assigned;
    for (qsizetype k = 0; k < captions.size(); ++k) {
        QString caption = captions[k];
        if (caption.isEmpty() || !TakenLetter(caption).isNull()) {
            assigned << caption;
            continue;
        }
        if (const qsizetype at = FreeLetter(caption, used); at >= 0) {
            used.insert(caption[at].toUpper());
            caption.insert(at, QLatin1Char('&'));
        } else {
            const QString fallback = k < fallbacks.size() ? fallbacks[k] : QString();
            qsizetype from = FreeLetter(fallback, used);
            const QString source =
                from >= 0 ? fallback : QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ123456789");
            from = from >= 0 ? from : FreeLetter(source, used);
            if (from >= 0) {
                const QChar key = source[from].toUpper();
                used.insert(key);
                caption += QStringLiteral("(&") + key + QLatin1Char(')');
            }
        }
        assigned << caption;
    }
    return assigned;
}

void Mnemonics::AssignInMenu(QMenu& menu) {
    QList<QAction*> items;
    QStringList captions;
    for (QAction* action : menu.actions()) {
        if (action->menu()) {
            AssignInMenu(*action->menu());
        }
        if (!action->isSeparator()) {
            items << action;
            captions << action->text();
        }
    }
    const QStringList assigned = Assign(captions);
    for (qsizetype k = 0; k < items.size(); ++k) {
        items[k]->setText(assigned[k]);
    }
}

} // namespace tav::gui
