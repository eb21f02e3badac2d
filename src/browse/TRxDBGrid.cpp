#include "browse/TRxDBGrid.h"

#include "browse/ErrorReport.h"

#include "browse/GridExport.h"
#include "browse/TableModel.h"
#include "browse/Texts.h"
#include "data/Table.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QScopeGuard>
#include <QScrollBar>

#include <algorithm>

TRxDBGrid::TRxDBGrid(QWidget *parent) : QTableView(parent), m_frozen(new QTableView(this))
{
    // Rows are selected whole, several at a time for copying.
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setShowGrid(true);
    setWordWrap(false);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    verticalHeader()->setFixedWidth(14);
    horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    horizontalHeader()->setHighlightSections(false);

    m_frozen->setObjectName(QStringLiteral("frozenColumns"));
    m_frozen->setFocusPolicy(Qt::NoFocus);
    m_frozen->verticalHeader()->hide();
    m_frozen->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_frozen->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    m_frozen->horizontalHeader()->setHighlightSections(false);
    m_frozen->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_frozen->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_frozen->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_frozen->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_frozen->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_frozen->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    m_frozen->verticalHeader()->setDefaultSectionSize(verticalHeader()->defaultSectionSize());
    m_frozen->setStyleSheet(QStringLiteral("QTableView { border: none; }"));
    m_frozen->hide();
    viewport()->stackUnder(m_frozen);

    connect(m_frozen->verticalScrollBar(), &QAbstractSlider::valueChanged, verticalScrollBar(),
            &QAbstractSlider::setValue);
    connect(verticalScrollBar(), &QAbstractSlider::valueChanged, m_frozen->verticalScrollBar(),
            &QAbstractSlider::setValue);
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this](int section, int, int size) {
        if (section < m_frozenColumns) {
            m_frozen->setColumnWidth(section, size);
            updateFrozenGeometry();
        }
    });
    connect(this, &QAbstractItemView::doubleClicked, this, &TRxDBGrid::rowDoubleClicked);
    connect(m_frozen, &QAbstractItemView::doubleClicked, this, &TRxDBGrid::rowDoubleClicked);

    // The context menu's commands; their texts are set in the current
    // language each time the menu opens.
    m_copyAction = new QAction(this);
    m_copyAction->setObjectName(QStringLiteral("CopyMn"));
    m_copyAction->setShortcut(QKeySequence::Copy);
    m_copyAction->setShortcutContext(Qt::WidgetShortcut);
    m_exportAction = new QAction(this);
    m_exportAction->setObjectName(QStringLiteral("ExportCsvMn"));
    connect(m_copyAction, &QAction::triggered, this, guard(this, &TRxDBGrid::copyRows));
    connect(m_exportAction, &QAction::triggered, this, &TRxDBGrid::exportRequested);
    // A right click on the frozen columns opens the same menu.
    m_frozen->viewport()->installEventFilter(this);
}

bool TRxDBGrid::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_frozen->viewport() && event->type() == QEvent::ContextMenu) {
        contextMenuEvent(static_cast<QContextMenuEvent *>(event));
        return true;
    }
    return QTableView::eventFilter(watched, event);
}

void TRxDBGrid::setTableModel(TableModel *model, int frozenColumns)
{
    m_model = model;
    m_frozenColumns = frozenColumns;
    setModel(model);
    m_frozen->setModel(model);
    m_frozen->setSelectionModel(selectionModel());
    m_frozen->setVisible(frozenColumns > 0);
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) { guarded([&] { rowChosen(current); }); });
    connect(model, &QAbstractItemModel::modelReset, this, guard([this] {
        applyWidths();
        updateFrozenColumns();
        followTable();
    }));
    connect(model->table(), &Table::dataChange, this, guard(this, &TRxDBGrid::followTable));
    // A translated title may need a wider column.
    connect(model, &QAbstractItemModel::headerDataChanged, this, [this](Qt::Orientation o) {
        if (o == Qt::Horizontal)
            applyWidths();
    });
    updateFrozenColumns();
    applyWidths();
    followTable();
}

void TRxDBGrid::applyWidths()
{
    const int charWidth = fontMetrics().horizontalAdvance(QLatin1Char('0'));
    for (int c = 0; c < m_model->columnCount(); ++c) {
        const int w = m_model->columnWidth(c, charWidth);
        if (m_model->hasPixelWidth(c)) {
            setColumnWidth(c, w);
            continue;
        }
        // Otherwise a column is wide enough for its title and its texts.
        setColumnWidth(c, std::max(w > 0 ? w : 6 * charWidth, neededWidth(c, fontMetrics())));
    }
}

int TRxDBGrid::neededWidth(int column, const QFontMetrics &titles) const
{
    int needed = titles.horizontalAdvance(m_model->headerData(column, Qt::Horizontal).toString()) + 14;
    for (int r = 0; r < m_model->rowCount(); ++r)
        needed = std::max(needed, fontMetrics().horizontalAdvance(m_model->index(r, column).data().toString()) + 10);
    return needed;
}

void TRxDBGrid::growToFit()
{
    if (!m_model)
        return;
    const QFontMetrics titles = horizontalHeader()->fontMetrics();
    for (int c = 0; c < m_model->columnCount(); ++c) {
        const int needed = neededWidth(c, titles);
        if (needed > columnWidth(c))
            setColumnWidth(c, needed);
    }
}

void TRxDBGrid::updateFrozenColumns()
{
    if (!m_model)
        return;
    for (int c = 0; c < m_model->columnCount(); ++c) {
        m_frozen->setColumnHidden(c, c >= m_frozenColumns);
        if (c < m_frozenColumns)
            m_frozen->setColumnWidth(c, columnWidth(c));
    }
    updateFrozenGeometry();
}

void TRxDBGrid::updateFrozenGeometry()
{
    int width = 0;
    for (int c = 0; c < m_frozenColumns; ++c)
        width += columnWidth(c);
    m_frozen->setGeometry(verticalHeader()->width() + frameWidth(), frameWidth(), width,
                          viewport()->height() + horizontalHeader()->height());
    m_frozen->horizontalHeader()->setFixedHeight(horizontalHeader()->height());
}

void TRxDBGrid::showEvent(QShowEvent *event)
{
    QTableView::showEvent(event);
    if (currentIndex().isValid())
        scrollTo(currentIndex());
}

void TRxDBGrid::resizeEvent(QResizeEvent *event)
{
    QTableView::resizeEvent(event);
    updateFrozenGeometry();
}

QModelIndex TRxDBGrid::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers)
{
    QModelIndex current = QTableView::moveCursor(cursorAction, modifiers);
    // Keep a cell moved to by the keyboard clear of the frozen columns.
    int frozenWidth = 0;
    for (int c = 0; c < m_frozenColumns; ++c)
        frozenWidth += columnWidth(c);
    if (cursorAction == MoveLeft && current.column() >= m_frozenColumns
        && visualRect(current).topLeft().x() < frozenWidth) {
        const int newValue = horizontalScrollBar()->value() + visualRect(current).topLeft().x() - frozenWidth;
        horizontalScrollBar()->setValue(newValue);
    }
    return current;
}

void TRxDBGrid::scrollTo(const QModelIndex &index, ScrollHint hint)
{
    if (!model() || index.column() >= m_frozenColumns)
        QTableView::scrollTo(index, hint);
    else
        QTableView::scrollTo(model()->index(index.row(), m_frozenColumns < model()->columnCount() ? m_frozenColumns : 0), hint);
}

void TRxDBGrid::followTable()
{
    if (!m_model || !m_model->table() || m_following)
        return;
    const int row = m_model->table()->currentRow();
    m_following = true;
    if (row < 0) {
        selectionModel()->clearSelection();
    } else {
        const int column = currentIndex().isValid() ? currentIndex().column() : std::min(m_frozenColumns, m_model->columnCount() - 1);
        const QModelIndex target = m_model->index(row, std::max(0, column));
        selectionModel()->setCurrentIndex(target, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        // A grid on a hidden tab is a few pixels wide: scrolling it there
        // would push its columns out of sight. It scrolls when shown.
        if (isVisible())
            scrollTo(target);
    }
    m_following = false;
}

void TRxDBGrid::rowChosen(const QModelIndex &current)
{
    if (m_following || !current.isValid() || !m_model || !m_model->table())
        return;
    m_following = true;
    const auto done = qScopeGuard([this] { m_following = false; });
    m_model->table()->setCurrentRow(current.row());
}

QList<int> TRxDBGrid::chosenRows() const
{
    QList<int> rows;
    if (!m_model)
        return rows;
    for (const QModelIndex &index : selectionModel()->selectedRows())
        rows << index.row();
    std::sort(rows.begin(), rows.end());
    if (rows.isEmpty() && m_model->table() && m_model->table()->currentRow() >= 0
        && m_model->table()->currentRow() < m_model->rowCount())
        rows << m_model->table()->currentRow();
    return rows;
}

void TRxDBGrid::copyRows()
{
    if (!m_model)
        return;
    const QList<int> rows = chosenRows();
    if (rows.isEmpty())
        return;
    QGuiApplication::clipboard()->setText(gridexport::tsv(*m_model, rows));
}

void TRxDBGrid::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Copy)) {
        guarded([this] { copyRows(); });
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

void TRxDBGrid::contextMenuEvent(QContextMenuEvent *event)
{
    guarded([&] {
        m_copyAction->setText(texts::TranslateString(QStringLiteral("&Copy")));
        m_copyAction->setEnabled(!chosenRows().isEmpty());
        m_exportAction->setText(texts::TranslateString(QStringLiteral("&Export to CSV...")));
        m_exportAction->setEnabled(m_model && m_model->table() && m_model->table()->isOpen());
        QMenu menu(this);
        menu.setObjectName(QStringLiteral("GridMenu"));
        menu.addAction(m_copyAction);
        menu.addAction(m_exportAction);
        menu.exec(event->globalPos());
    });
    event->accept();
}
