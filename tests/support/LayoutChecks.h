#pragma once

// What a user would notice of a window's layout, whatever the coordinates:
// a text outside its window, two texts on top of each other, a text cut
// short. Used on the sheets and search dialogs in English and in Spanish.
#include "i18n/IvBinaryDictionary.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QScrollArea>
#include <QStringList>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
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

// How far the ink of a text reaches from where it starts: a text is cut
// when its letters are, not its trailing space. The last column of the ink
// rectangle is the antialiased edge of the last letter, which a label sized
// to its text may lose without a reader noticing.
inline int inkWidth(const QFontMetrics &fm, const QString &text)
{
    return text.isEmpty() ? 0 : fm.tightBoundingRect(text).right();
}

// The width a widget needs for its text, with its own frame and decorations.
inline int neededWidth(const QWidget *w)
{
    const QFontMetrics fm = w->fontMetrics();
    if (const auto *c = qobject_cast<const QCheckBox *>(w)) {
        // The text against the part of the box the style leaves beside the
        // indicator.
        QStyleOptionButton option;
        option.initFrom(c);
        option.rect = c->rect();
        option.text = c->text();
        const QRect contents = c->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, c);
        return inkWidth(fm, shownText(w)) + (c->width() - contents.width());
    }
    if (const auto *l = qobject_cast<const QLabel *>(w)) {
        // A label that wraps needs its longest word on a line.
        int ink = 0;
        if (l->wordWrap()) {
            for (const QString &word : shownText(w).split(u' ', Qt::SkipEmptyParts))
                ink = std::max(ink, inkWidth(fm, word));
        } else {
            ink = inkWidth(fm, shownText(w));
        }
        return ink + 2 * l->margin() + 2 * l->frameWidth();
    }
    if (qobject_cast<const QAbstractButton *>(w))
        return inkWidth(fm, shownText(w)) + 6;
    if (const auto *c = qobject_cast<const QComboBox *>(w)) {
        // The widest item against the part of the box the style leaves for
        // the text, beside the arrow.
        int widest = 0;
        for (int i = 0; i < c->count(); ++i)
            widest = std::max(widest, inkWidth(fm, c->itemText(i)));
        QStyleOptionComboBox option;
        option.initFrom(c);
        option.rect = c->rect();
        const QRect field = c->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, c);
        return widest + (c->width() - field.width());
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

// What a widget can be seen in: the content of the scroll area it sits in,
// which scrolling brings into view, or else the window.
inline QWidget *reach(const QWidget *w, QWidget *window)
{
    for (QWidget *p = w->parentWidget(); p && p != window; p = p->parentWidget()) {
        QWidget *viewport = p->parentWidget();
        const auto *area = viewport ? qobject_cast<const QScrollArea *>(viewport->parentWidget()) : nullptr;
        if (area && area->widget() == p)
            return p;
    }
    return window;
}

// A scroll area lies inside the window, and when it cannot scroll one way
// it shows its whole content that way.
inline QStringList scrollFaults(QWidget *window)
{
    QStringList found;
    for (const QScrollArea *area : window->findChildren<QScrollArea *>()) {
        if (!area->isVisibleTo(window) || !area->widget())
            continue;
        QWidget *frame = reach(area, window);
        if (!frame->rect().contains(QRect(area->mapTo(frame, QPoint(0, 0)), area->size())))
            found << QStringLiteral("%1 outside the window").arg(area->objectName());
        const QSize content = area->widget()->size();
        const QSize view = area->viewport()->size();
        if (area->horizontalScrollBarPolicy() == Qt::ScrollBarAlwaysOff && content.width() > view.width())
            found << QStringLiteral("%1 cut at its right").arg(area->objectName());
        if (area->verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOff && content.height() > view.height())
            found << QStringLiteral("%1 cut at its foot").arg(area->objectName());
    }
    return found;
}

// Every fault of the texts and controls of a window: outside their parent
// or the window (or the scroll area's content they scroll in), overlapping
// a sibling that shows something, or too narrow for their text (or, when
// it wraps, too short for its lines). An empty list is a good layout.
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
        QWidget *frame = reach(w, window);
        const QRect inFrame(w->mapTo(frame, QPoint(0, 0)), w->size());
        if (!frame->rect().contains(inFrame))
            found << QStringLiteral("%1 outside the window").arg(name);
        if (!w->parentWidget()->rect().contains(w->geometry()))
            found << QStringLiteral("%1 outside its parent").arg(name);
        if (neededWidth(w) > w->width())
            found << QStringLiteral("%1 \"%2\" clipped (%3 px for %4)")
                         .arg(name, shownText(w))
                         .arg(w->width())
                         .arg(neededWidth(w));
        const auto *label = qobject_cast<const QLabel *>(w);
        if (label && label->wordWrap() && label->heightForWidth(w->width()) > w->height())
            found << QStringLiteral("%1 \"%2\" cut at its foot (%3 px for %4)")
                         .arg(name, shownText(w))
                         .arg(w->height())
                         .arg(label->heightForWidth(w->width()));
    }
    found << scrollFaults(window);
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

// The font the program sets for its whole run (Arial 8, Liberation Sans on
// Debian): layouts are judged in it.
inline void useProgramFont() { QApplication::setFont(QFont(QStringLiteral("Arial"), 8)); }

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
