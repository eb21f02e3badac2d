#pragma once

#include <QPointer>
#include <QWidget>

class QToolButton;
#include "data/Table.h"

// The navigator: First, Prior, Next and Last on a table, each button enabled
// only where it would move.
class TDBNavigator : public QWidget {
    Q_OBJECT
public:
    explicit TDBNavigator(QWidget *parent = nullptr);

    // Points the navigator at another table (nullptr: none).
    void setTable(Table *table);
    Table *table() const { return m_table; }

    QToolButton *button(int index) const { return m_buttons[index]; }

protected:
    void changeEvent(QEvent *event) override;

private:
    void updateButtons();

    QPointer<Table> m_table;
    QToolButton *m_buttons[4];
    QMetaObject::Connection m_change;
    QMetaObject::Connection m_reset;
};
