#include "browse/TAceroFm.h"

#include "browse/Art.h"
#include "browse/ErrorReport.h"
#include "browse/GridExport.h"
#include "browse/Shell.h"
#include "browse/TDBNavigator.h"
#include "browse/TRxDBGrid.h"
#include "browse/TableModel.h"
#include "browse/Texts.h"
#include "browse/WindowChrome.h"
#include "data/Declarations.h"
#include "data/Table.h"
#include "i18n/IvDictionary.h" // IvTranslator.h reads a QPointer<TIvDictionary> inline
#include "i18n/IvTranslator.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QGroupBox>
#include <QHeaderView>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyle>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

// The steel grids centre every cell and paint their frozen first column in
// the button face, whatever the fields declare.
class SteelGridModel : public TableModel {
public:
    using TableModel::TableModel;

    QVariant data(const QModelIndex &index, int role) const override
    {
        if (index.isValid() && role == Qt::TextAlignmentRole)
            return int(Qt::AlignCenter);
        if (index.isValid() && role == Qt::BackgroundRole && index.column() == 0)
            return QBrush(QApplication::palette().color(QPalette::Button));
        return TableModel::data(index, role);
    }
};

struct Page {
    const char *exportName; // the file an export proposes, as tolmo-cli pdf names the catalogue
    const char *sheet;
    const char *caption;
    const char *grid;
    const TableDecl *table;
    QList<GridColumn> columns;
};

// Titles are given where the field's own name is not the title; widths in
// pixels, 0 for the grid's default.
const Page kPages[3] = {
    {"steel-mechanical", "TabSheet1", "Mechanical Properties", "RxDBGrid1", &decl::AceroMECTable,
     {{"Designation", nullptr, 104},
      {"Espesor", "Thickness (mm)", 82},
      {"Fy", "fy (MPa)", 70},
      {"Fu", "fu (MPa)", 69},
      {"Alargamiento", "Minimum elongation (%)", 133},
      {"Resiliencia-JUL", "Minimum absorbed energy (J)", 157},
      {"Resiliencia-TEMP", "Temperature (\u00B0C)", 96}}},
    {"steel-chemical", "TabSheet2", "Chemical Composition", "RxDBGrid2", &decl::AceroQUITable,
     {{"Tipo y Grado", "Designation", 104},
      {"Espesor", "Thickness (mm)", 82},
      {"Norma", "Standard", 132},
      {"C", "C (max)"},
      {"Mn", "Mn (max)"},
      {"Si", "Si (max)"},
      {"S", "S (max)"},
      {"P", "P (max)"},
      {"N", "N (max)"},
      {"Cr", "Cr (max)"},
      {"Ni", "Ni (max)"},
      {"Mo", "Mo (max)"},
      {"CE", "C.E. (max)"}}},
    {"steel-designations", "TabSheet3", "Equivalent Designations", "RxDBGrid3", &decl::AceroDESTable,
     {{"UNE-EN 10025", "Designation", 104},
      {"Alemania", "Germany", 103},
      {"Francia", "France", 98},
      {"Reino Unido", "United Kingdom", 99},
      {"Espa\u00F1a-NBE EA-95", "Spain-NBE EA-95", 117},
      {"Espa\u00F1a-UNE 36080-90", "Spain-UNE 36080-90", 134},
      {"Italia", "Italy", 100},
      {"B\u00E9lgica", "Belgium", 99},
      {"Suecia", "Sweden", 96},
      {"Portugal", nullptr, 98},
      {"Austria", nullptr, 102},
      {"Noruega", "Norway", 97}}},
};

constexpr int kPanelWidth = 170;

} // namespace

TAceroFm::TAceroFm(const AppContext &context, QWidget *parent) : QWidget(parent), m_context(&context)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Steels"));
    setMinimumSize(chrome::kSmallestWidth, chrome::kSmallestHeight);

    for (int i = 0; i < 3; ++i) {
        m_tables[i] = new Table(*kPages[i].table, this);
    }

    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    auto *title = new QLabel(QStringLiteral(" Steels"), this);
    title->setObjectName(QStringLiteral("Panel1"));
    title->setFixedHeight(25);
    title->setFrameStyle(QFrame::Panel | QFrame::Raised);
    QFont heading(QStringLiteral("Arial"));
    heading.setPixelSize(16);
    heading.setBold(true);
    title->setFont(heading);
    outer->addWidget(title);
    auto *body = new QHBoxLayout;
    body->setContentsMargins(4, 4, 4, 4);
    body->setSpacing(4);
    body->addWidget(chrome::scrollingColumn(buildLeftPanel(), this));
    body->addWidget(buildPages(), 1);
    outer->addLayout(body, 1);

    connect(m_tables[0], &Table::dataChange, this, guard(this, &TAceroFm::DataSource1DataChange));
    connect(m_tables[1], &Table::dataChange, this, guard(this, &TAceroFm::DataSource2DataChange));
    connect(m_tables[2], &Table::dataChange, this, guard(this, &TAceroFm::DataSource3DataChange));
    connect(m_pages, &QTabWidget::currentChanged, this, guard(this, &TAceroFm::PageControl1Change));

    m_translator = texts::makeTranslator(this, "(1 5 ('*' 'Hint' 0) ('*' 'Caption' 0) ('*' 'Hints' 0) ('*' 'Filter' 0) ('*' 'DisplayLabel' 0))");
    connect(m_translator, &TIvTranslator::OnLanguageChange, this, guard(this, &TAceroFm::IvTranslator1LanguageChange));
    m_translator->loaded();
}

TAceroFm::~TAceroFm() = default;

QWidget *TAceroFm::buildLeftPanel()
{
    auto *panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("Panel2"));
    panel->setFixedWidth(kPanelWidth);
    auto *v = new QVBoxLayout(panel);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(4);

    const QSize pictureSize(156, 138);
    auto *frame = new QFrame(panel);
    frame->setObjectName(QStringLiteral("Panel3"));
    frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    frame->setAutoFillBackground(true);
    QPalette white = frame->palette();
    white.setColor(QPalette::Window, Qt::white);
    frame->setPalette(white);
    auto *fl = new QVBoxLayout(frame);
    fl->setContentsMargins(5, 5, 5, 5);
    auto *picture = new QLabel(frame);
    picture->setObjectName(QStringLiteral("Image1"));
    picture->setFixedSize(pictureSize);
    picture->setPixmap(art::pixmap(QStringLiteral("steel"), pictureSize));
    fl->addWidget(picture, 0, Qt::AlignCenter);
    v->addWidget(frame);

    m_regT = chrome::counterStrip(panel, "RegT");
    v->addWidget(m_regT);

    m_navigator = new TDBNavigator(panel);
    m_navigator->setObjectName(QStringLiteral("DBNavigator1"));
    m_navigator->setTable(m_tables[0]);
    v->addWidget(m_navigator);

    chrome::ButtonBox box(panel);
    QPushButton *print = box.add("ImprimirCatBt", "&Print", "Print the report related to active table");
    QPushButton *ok = box.add("OKBtn", "&Close");
    QPushButton *help = box.add("HelpBtn", "&Help");
    // Sized to its picture when the first language change brings one.
    m_logo = box.finish(true);
    v->addWidget(box.box());
    v->addStretch(1);

    connect(print, &QPushButton::clicked, this, guard(this, &TAceroFm::ImprimirCatBtClick));
    connect(ok, &QPushButton::clicked, this, guard(this, &TAceroFm::OKBtnClick));
    connect(help, &QPushButton::clicked, this, guard(this, &TAceroFm::HelpBtnClick));
    return panel;
}

QWidget *TAceroFm::buildPages()
{
    m_pages = new QTabWidget(this);
    m_pages->setObjectName(QStringLiteral("PageControl1"));
    // A narrow window shortens the tab captions rather than hiding a tab.
    m_pages->setUsesScrollButtons(false);
    m_pages->setElideMode(Qt::ElideRight);
    for (int i = 0; i < 3; ++i) {
        const Page &p = kPages[i];
        auto *page = new QWidget(m_pages);
        page->setObjectName(QString::fromLatin1(p.sheet));
        auto *l = new QVBoxLayout(page);
        l->setContentsMargins(0, 0, 0, 0);
        l->setSpacing(0);
        auto *model = new SteelGridModel(m_tables[i], p.columns, this);
        model->setFirstTintedColumn(1);
        m_grids[i] = new TRxDBGrid(page);
        m_grids[i]->setObjectName(QString::fromLatin1(p.grid));
        m_grids[i]->setTableModel(model, 1);
        m_grids[i]->setExportName(QString::fromLatin1(p.exportName));
        connect(m_grids[i], &TRxDBGrid::exportRequested, this, guard(this, &TAceroFm::exportToCsv));
        l->addWidget(m_grids[i], 1);
        m_pages->addTab(page, QString::fromLatin1(p.caption));
    }

    auto *note = new QLabel(QStringLiteral("  N.B. A42 steel in accordance with Standard NBE EA-95 has no equivalent "
                                           "steel in any of the above designations."),
                            m_pages->widget(2));
    note->setObjectName(QStringLiteral("LBNota"));
    note->setFrameStyle(QFrame::Panel | QFrame::Raised);
    note->setMargin(3);
    note->setWordWrap(true);
    QFont narrow(QStringLiteral("Arial Narrow"));
    narrow.setStretch(QFont::SemiCondensed);
    note->setFont(narrow);
    m_pages->widget(2)->layout()->addWidget(note);
    return m_pages;
}

Table *TAceroFm::table(int page) const { return page >= 0 && page < 3 ? m_tables[page] : nullptr; }

void TAceroFm::FormCreate()
{
    for (Table *t : m_tables)
        t->close();
    m_page = 0;
    {
        // Showing the first tab is part of creation, not a page switch.
        const QSignalBlocker block(m_pages);
        m_pages->setCurrentIndex(0);
    }
    m_navigator->setTable(m_tables[0]);
    if (Shell *shell = Shell::instance())
        shell->SetJanela(true);
    if (auto *sub = qobject_cast<QMdiSubWindow *>(parentWidget()))
        sub->showMaximized();
    repaint();
    for (Table *t : m_tables)
        t->setDirectory(m_context->appDir());
    // Mechanical, then designations, then chemical: a failure leaves the
    // ones before it open.
    for (int page : {0, 2, 1}) {
        m_tables[page]->open();
        fitColumns();
    }
}

void TAceroFm::fitColumns()
{
    // The widths are the layout's; a column only grows where its title or
    // a value would be cut in the font of this desktop (or a longer
    // translation of the title).
    for (TRxDBGrid *grid : m_grids)
        grid->growToFit();
}

void TAceroFm::showCounter(const Table *table)
{
    m_regT->setText(chrome::recordCounter(table->recNo()));
}

void TAceroFm::DataSource1DataChange() { showCounter(m_tables[0]); }
void TAceroFm::DataSource2DataChange() { showCounter(m_tables[1]); }
void TAceroFm::DataSource3DataChange() { showCounter(m_tables[2]); }

void TAceroFm::selectPage(int page) { m_pages->setCurrentIndex(page); }

void TAceroFm::PageControl1Change(int page)
{
    if (page < 0 || page > 2)
        return;
    m_page = page;
    if (!m_pageShown[page]) {
        // While its page was hidden the grid followed its table in a viewport
        // a few pixels wide and scrolled sideways; shown for the first time,
        // it starts at its first column.
        m_pageShown[page] = true;
        m_grids[page]->horizontalScrollBar()->setValue(0);
    }
    m_navigator->setTable(m_tables[page]);
    m_regT->setText(chrome::recordCounter(m_tables[page]->recNo()));
}

void TAceroFm::exportToCsv() { gridexport::exportGrid(*currentGrid(), this, m_context->language()); }

void TAceroFm::HelpBtnClick() { help::showContext(m_context->helpFile("-PFHelp.hlp"), kHelpContexts[m_page]); }

void TAceroFm::ImprimirCatBtClick()
{
    // The steel catalogues are printed by the print commands, which listen
    // here; the window itself prints nothing.
    emit printRequested();
}

void TAceroFm::OKBtnClick() { chrome::closeWindow(this); }

void TAceroFm::closeEvent(QCloseEvent *event)
{
    for (Table *t : m_tables)
        t->close();
    chrome::childClosing(this);
    event->accept();
}

void TAceroFm::IvTranslator1LanguageChange()
{
    // The counter is written by code: give it the new language at once.
    if (m_tables[m_page]->isOpen())
        showCounter(m_tables[m_page]);
    if (Shell *shell = Shell::instance()) {
        const QPixmap logo = shell->languageLogo(m_context->language());
        if (!logo.isNull()) {
            m_logo->setPixmap(logo);
            m_logo->setFixedSize(logo.size());
        }
    }
    fitColumns();
}
