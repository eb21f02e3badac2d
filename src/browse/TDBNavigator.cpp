#include "browse/TDBNavigator.h"

#include "browse/ErrorReport.h"
#include "browse/WindowChrome.h"
#include "data/Table.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QPainterPath>
#include <QToolButton>

namespace {

// Arrow glyphs drawn here, so the navigator looks the same on every desktop:
// 0 first, 1 prior, 2 next, 3 last.
QIcon arrowIcon(int kind)
{
    QPainterPath shape;
    if (kind < 2) {
        shape.moveTo(11, 3);
        shape.lineTo(4, 8);
        shape.lineTo(11, 13);
    } else {
        shape.moveTo(5, 3);
        shape.lineTo(12, 8);
        shape.lineTo(5, 13);
    }
    shape.closeSubpath();
    if (kind == 0)
        shape.addRect(QRectF(2, 3, 2, 10));
    if (kind == 3)
        shape.addRect(QRectF(12, 3, 2, 10));
    return chrome::glyph(shape);
}

const char *const kNames[4] = {"nbFirst", "nbPrior", "nbNext", "nbLast"};
const char *const kHints[4] = {"First record", "Prior record", "Next record", "Last record"};

} // namespace

TDBNavigator::TDBNavigator(QWidget *parent) : QWidget(parent)
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (int i = 0; i < 4; ++i) {
        auto *b = new QToolButton(this);
        b->setObjectName(QString::fromLatin1(kNames[i]));
        b->setToolTip(QString::fromLatin1(kHints[i]));
        b->setIcon(arrowIcon(i));
        b->setAutoRepeat(i == 1 || i == 2);
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        b->setMinimumHeight(24);
        layout->addWidget(b);
        m_buttons[i] = b;
    }
    connect(m_buttons[0], &QToolButton::clicked, this, guard([this] { if (m_table) m_table->first(); }));
    connect(m_buttons[1], &QToolButton::clicked, this, guard([this] { if (m_table) m_table->prior(); }));
    connect(m_buttons[2], &QToolButton::clicked, this, guard([this] { if (m_table) m_table->next(); }));
    connect(m_buttons[3], &QToolButton::clicked, this, guard([this] { if (m_table) m_table->last(); }));
    updateButtons();
}

void TDBNavigator::setTable(Table *table)
{
    disconnect(m_change);
    disconnect(m_reset);
    m_table = table;
    if (table) {
        m_change = connect(table, &Table::dataChange, this, &TDBNavigator::updateButtons);
        m_reset = connect(table, &Table::rowsReset, this, &TDBNavigator::updateButtons);
    }
    updateButtons();
}

void TDBNavigator::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::EnabledChange)
        updateButtons();
}

void TDBNavigator::updateButtons()
{
    const bool on = isEnabled() && m_table && m_table->isOpen() && m_table->recordCount() > 0;
    const int row = on ? m_table->currentRow() : -1;
    const int last = on ? m_table->recordCount() - 1 : -1;
    m_buttons[0]->setEnabled(on && row > 0);
    m_buttons[1]->setEnabled(on && row > 0);
    m_buttons[2]->setEnabled(on && row < last);
    m_buttons[3]->setEnabled(on && row < last);
}
