#pragma once

// What a user would notice of a window's layout, whatever the coordinates:
// a text outside its window, two texts on top of each other, a text cut
// short. Used on the sheets and search dialogs in English and in Spanish.
#include "i18n/IvBinaryDictionary.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QStringList>
#include <QWidget>

#include <memory>

namespace layoutcheck {

// The text a widget shows, without the mnemonic marks.
inline QString shownText(const QWidget *w)
{
    QString text;
    if (const auto *l = qobject_cast<const QLabel *>(w))
        text = l->text();
    else if (const auto *b = qobject_cast<const QAbstractButton *>(w))
        text = b->text();
    else if (const auto *g = qobject_cast<const QGroupBox *>(w))
        text = g->title();
    return text.remove(QRegularExpression(QStringLiteral("&(?!&)")));
}

// The width a widget's text needs beyond its own frame and decorations.
inline int neededWidth(const QWidget *w)
{
    const QFontMetrics fm = w->fontMetrics();
    if (const auto *c = qobject_cast<const QCheckBox *>(w))
        return c->sizeHint().width();
    if (const auto *l = qobject_cast<const QLabel *>(w))
        return fm.horizontalAdvance(shownText(w)) + 2 * l->margin() + 2 * l->frameWidth();
    if (qobject_cast<const QAbstractButton *>(w))
        return fm.horizontalAdvance(shownText(w)) + 6;
    if (const auto *c = qobject_cast<const QComboBox *>(w)) {
        int widest = 0;
        for (int i = 0; i < c->count(); ++i)
            widest = std::max(widest, fm.horizontalAdvance(c->itemText(i)));
        // The arrow takes about a line's height on the right.
        return widest + fm.height() + 8;
    }
    return 0;
}

// Whether a widget shows something a user reads or clicks.
inline bool shows(const QWidget *w, const QWidget *window)
{
    if (!w->isVisibleTo(window))
        return false;
    if (const auto *l = qobject_cast<const QLabel *>(w))
        return !l->text().isEmpty();
    return qobject_cast<const QAbstractButton *>(w) || qobject_cast<const QComboBox *>(w)
           || qobject_cast<const QLineEdit *>(w) || qobject_cast<const QGroupBox *>(w);
}

// Every fault of the texts and controls of a window: outside their parent
// or the window, overlapping a sibling that shows something, or too narrow
// for their text. An empty list is a good layout.
inline QStringList faults(QWidget *window)
{
    QStringList found;
    QList<QWidget *> shown;
    for (QWidget *w : window->findChildren<QWidget *>()) {
        if (!shows(w, window))
            continue;
        shown << w;
        const QString name = w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className())
                                                        : w->objectName();
        const QRect inWindow(w->mapTo(window, QPoint(0, 0)), w->size());
        if (!window->rect().contains(inWindow))
            found << QStringLiteral("%1 outside the window").arg(name);
        if (!w->parentWidget()->rect().contains(w->geometry()))
            found << QStringLiteral("%1 outside its parent").arg(name);
        if (neededWidth(w) > w->width())
            found << QStringLiteral("%1 \"%2\" clipped (%3 px for %4)")
                         .arg(name, shownText(w))
                         .arg(w->width())
                         .arg(neededWidth(w));
    }
    for (int i = 0; i < shown.size(); ++i) {
        for (int j = i + 1; j < shown.size(); ++j) {
            const QWidget *a = shown[i];
            const QWidget *b = shown[j];
            if (a->parentWidget() != b->parentWidget())
                continue;
            if (a->geometry().intersects(b->geometry()))
                found << QStringLiteral("%1 overlaps %2").arg(a->objectName(), b->objectName());
        }
    }
    return found;
}

// The program's own dictionary, built beside the tests, open in Spanish;
// windows created while it lives are translated by it.
inline std::unique_ptr<TIvBinaryDictionary> spanishDictionary()
{
    auto d = std::make_unique<TIvBinaryDictionary>(nullptr, QStringLiteral("Dictionary1"));
    d->setSubLanguage(0);
    d->setLanguage(0);
    d->setBinding(ivbiLanguageToLocale);
    d->setFileName(QDir(qEnvironmentVariable("TOLMO_APPDIR")).filePath(QStringLiteral("PTolmo2.dll")));
    d->open();
    d->setLanguage(2);
    return d;
}

} // namespace layoutcheck
