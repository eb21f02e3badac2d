#include "browse/TRxDBGrid.h"

#include "browse/ErrorReport.h"

#include "browse/GridExport.h"
#include "browse/TableModel.h"
#include "browse/Texts.h"
#include "data/Table.h"

#include <QEvent>
#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QScopeGuard>
#include <QScrollBar>
#include <QSignalBlocker>

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
    // A column the user drags keeps its width while the grid lives: tab
    // changes, searches and language changes set the others again.
    horizontalHeader()->viewport()->installEventFilter(this);
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this](int section, int, int size) {
        if (m_userResizing)
            m_userWidths.insert(section, size);
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

bool TRxDBGrid::eventFilter(QObject *watched, QEvent *event)
{
    // The frozen columns' context menu is the grid's.
    if (watched == m_frozen->viewport() && event->type() == QEvent::ContextMenu) {
        contextMenuEvent(static_cast<QContextMenuEvent *>(event));
        return true;
    }
    if (watched == horizontalHeader()->viewport()) {
        // A press, a drag or a double-click on a column's edge is the user's.
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            m_userResizing = true;
            break;
        case QEvent::MouseButtonRelease:
            m_userResizing = false;
            break;
        default:
            break;
        }
    }
    return QTableView::eventFilter(watched, event);
}

void TRxDBGrid::applyWidths()
{
    const int charWidth = fontMetrics().horizontalAdvance(QLatin1Char('0'));
    for (int c = 0; c < m_model->columnCount(); ++c) {
        if (const auto user = m_userWidths.constFind(c); user != m_userWidths.cend()) {
            setColumnWidth(c, *user);
            continue;
        }
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
        if (needed > columnWidth(c) && !m_userWidths.contains(c))
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

int TRxDBGrid::frozenWidth() const
{
    int width = 0;
    for (int c = 0; c < m_frozenColumns; ++c)
        width += columnWidth(c);
    return width;
}

void TRxDBGrid::updateFrozenGeometry()
{
    // Exactly over the frozen columns of the viewport and their titles.
    const QRect port = viewport()->geometry();
    m_frozen->setGeometry(port.left(), port.top() - horizontalHeader()->height(), frozenWidth(),
                          port.height() + horizontalHeader()->height());
    m_frozen->horizontalHeader()->setFixedHeight(horizontalHeader()->height());
}

int TRxDBGrid::columnScrollLimit() const
{
    const int count = m_model ? m_model->columnCount() : 0;
    const int room = viewport()->width() - frozenWidth();
    int fit = 0;
    for (int c = count - 1, width = 0; c >= m_frozenColumns; --c) {
        width += columnWidth(c);
        if (width > room)
            break;
        ++fit;
    }
    return std::max(0, count - m_frozenColumns - std::max(fit, 1));
}

void TRxDBGrid::updateGeometries()
{
    QTableView::updateGeometries();
    if (m_frozenColumns <= 0 || !m_model || m_updating)
        return;
    m_updating = true;
    const auto done = qScopeGuard([this] { m_updating = false; });
    // A new range may show or hide the scroll bar, which resizes the
    // viewport and lays the view out again; that nested pass leaves the
    // range to this one.
    QScrollBar *bar = horizontalScrollBar();
    const int limit = columnScrollLimit();
    bar->setRange(0, limit);
    bar->setSingleStep(1);
    bar->setPageStep(std::max(1, m_model->columnCount() - m_frozenColumns - limit));
    applyColumnScroll();
    updateFrozenGeometry();
}

void TRxDBGrid::applyColumnScroll()
{
    const int count = m_model ? m_model->columnCount() : 0;
    if (count <= m_frozenColumns) {
        horizontalHeader()->setOffset(0);
        return;
    }
    const int first = std::min(m_frozenColumns + horizontalScrollBar()->value(), count - 1);
    const int offset = std::max(0, horizontalHeader()->sectionPosition(first) - frozenWidth());
    if (horizontalHeader()->offset() != offset) {
        horizontalHeader()->setOffset(offset);
        viewport()->update();
    }
}

void TRxDBGrid::scrollContentsBy(int dx, int dy)
{
    if (m_frozenColumns > 0 && dx != 0) {
        applyColumnScroll();
        dx = 0;
    }
    QTableView::scrollContentsBy(dx, dy);
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

void TRxDBGrid::scrollTo(const QModelIndex &index, ScrollHint hint)
{
    if (!model() || m_frozenColumns <= 0 || !index.isValid()) {
        QTableView::scrollTo(index, hint);
        return;
    }
    // Rows as the view scrolls them; the columns keep their place meanwhile.
    QScrollBar *bar = horizontalScrollBar();
    const int kept = bar->value();
    {
        const QSignalBlocker block(bar);
        QTableView::scrollTo(index, hint);
        bar->setValue(kept);
    }
    if (index.column() < m_frozenColumns)
        return;
    // A scrolling column comes into view whole, beside the frozen ones.
    const int wanted = index.column() - m_frozenColumns;
    int value = std::min(kept, wanted);
    const int right = viewport()->width();
    while (value < wanted && value < bar->maximum()
           && horizontalHeader()->sectionPosition(index.column()) + columnWidth(index.column())
                      - (horizontalHeader()->sectionPosition(m_frozenColumns + value) - frozenWidth())
                  > right)
        ++value;
    bar->setValue(value);
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
