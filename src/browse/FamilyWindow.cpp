#include "browse/FamilyWindow.h"

#include "browse/Art.h"
#include "browse/ErrorReport.h"
#include "browse/GridExport.h"
#include "browse/Pictures.h"
#include "browse/SearchDialog.h"
#include "browse/Shell.h"
#include "browse/TDBNavigator.h"
#include "browse/TFiltroDAngFm.h"
#include "browse/TFiltroDetailFm.h"
#include "browse/TFiltroPAngFm.h"
#include "browse/TFiltroPropFm.h"
#include "browse/TRxDBGrid.h"
#include "browse/TableModel.h"
#include "browse/Texts.h"
#include "browse/WindowChrome.h"
#include "data/Declarations.h"
#include "data/DisplayFormat.h"
#include "data/SectionFamily.h"
#include "data/Table.h"
#include "i18n/IvDictionary.h"
#include "i18n/IvTranslator.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPainterPath>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QStyle>
#include <QTabWidget>
#include <QVBoxLayout>

#include <memory>

namespace {

// The drawing's size; the art places the two live values on it.
constexpr QSize kDrawing(190, 210);

// The search dialog of a browsing tab, built on the kind's criteria.
std::unique_ptr<SearchDialog> openSearchDialog(const SectionKind &kind, bool property, const AppContext &context,
                                               QWidget *parent)
{
    const Criteria criteria = property ? kind.propertyCriteria : kind.detailCriteria;
    if (kind.dialogs == SearchDialogs::Angles) {
        if (property)
            return std::make_unique<TFiltroPAngFm>(criteria, context, parent);
        return std::make_unique<TFiltroDAngFm>(criteria, context, parent);
    }
    if (property)
        return std::make_unique<TFiltroPropFm>(criteria, context, parent);
    return std::make_unique<TFiltroDetailFm>(criteria, context, parent);
}

bool isWidthField(const char *field) { return QString::fromLatin1(field).compare(u"b", Qt::CaseInsensitive) == 0; }

} // namespace

FamilyWindow::FamilyWindow(const FamilyInfo &family, AppContext &context, QWidget *parent)
    : QWidget(parent), m_family(&family), m_context(&context), m_window(family.window), m_kind(family.kind),
      m_property(family.kind->propertyCriteria.size()), m_detail(family.kind->detailCriteria.size())
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QString::fromLatin1(family.caption));
    setMinimumSize(chrome::kSmallestWidth, chrome::kSmallestHeight);

    m_table = new Table(*m_kind->table, this);
    m_table->setFiltered(true);
    m_table->setFilter([this](const Record &row) { return filterRecord(row); });
    m_tolTable = new Table(decl::TolTable, this);
    m_tolTable->setObjectName(QString::fromLatin1(m_kind->toleranceComponent));

    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    buildHeading(this);
    outer->addWidget(m_heading->parentWidget());
    auto *body = new QHBoxLayout;
    body->setContentsMargins(4, 4, 4, 4);
    body->setSpacing(4);
    body->addWidget(chrome::scrollingColumn(buildLeftColumn(), this));
    body->addWidget(buildTabs(), 1);
    outer->addLayout(body, 1);

    connect(m_table, &Table::dataChange, this, guard(this, &FamilyWindow::DataSource1DataChange));
    connect(m_tolTable, &Table::dataChange, this, guard(this, &FamilyWindow::showFigure));
    connect(m_pages, &QTabWidget::currentChanged, this, guard(this, &FamilyWindow::PageControl1Change));
    DataSource1DataChange();

    m_translator = texts::makeTranslator(this, m_window->translatorTargets);
    connect(m_translator, &TIvTranslator::OnLanguageChange, this, guard(this, &FamilyWindow::IvTranslator1LanguageChange));
    m_translator->loaded();
}

FamilyWindow::~FamilyWindow() = default;

void FamilyWindow::buildHeading(QWidget *host)
{
    auto *panel = new QFrame(host);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFixedHeight(25);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    auto *layout = new QHBoxLayout(panel);
    layout->setContentsMargins(4, 0, 4, 0);
    m_heading = new QLabel(panel);
    // In the HE window the heading is a label of its own; elsewhere it is
    // the panel's caption.
    const QString caption = QString::fromLatin1(m_family->caption);
    m_heading->setObjectName(m_window->headingLabel ? QStringLiteral("LabelPanel") : QStringLiteral("Panel1Caption"));
    m_heading->setText(m_window->headingLabel ? caption : u' ' + caption);
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(16);
    f.setBold(true);
    m_heading->setFont(f);
    layout->addWidget(m_heading);
}

QWidget *FamilyWindow::buildLeftColumn()
{
    auto *column = new QWidget(this);
    column->setObjectName(QStringLiteral("PanelLeft"));
    column->setFixedWidth(216);
    auto *v = new QVBoxLayout(column);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(4);

    // The drawing with the current designation and its two live values.
    auto *panel2 = new QFrame(column);
    panel2->setObjectName(QStringLiteral("Panel2"));
    panel2->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel2->setAutoFillBackground(true);
    QPalette white = panel2->palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, Qt::black);
    panel2->setPalette(white);
    auto *pv = new QVBoxLayout(panel2);
    pv->setContentsMargins(6, 4, 6, 6);
    pv->setSpacing(2);
    m_dbText1 = new QLabel(panel2);
    m_dbText1->setObjectName(QStringLiteral("DBText1"));
    m_dbText1->setAlignment(Qt::AlignCenter);
    QFont bold = m_dbText1->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() + 1);
    m_dbText1->setFont(bold);
    pv->addWidget(m_dbText1);

    auto *drawing = new QWidget(panel2);
    drawing->setFixedSize(kDrawing);
    m_imgProp = new QLabel(drawing);
    m_imgProp->setObjectName(QStringLiteral("ImgProp"));
    m_imgProp->setGeometry(QRect(QPoint(0, 0), kDrawing));
    m_imgProp->setPixmap(art::pixmap(QStringLiteral("win-prop-") + QLatin1String(m_window->art), kDrawing));
    m_imgDet = new QLabel(drawing);
    m_imgDet->setObjectName(QStringLiteral("ImgDet"));
    m_imgDet->setGeometry(QRect(QPoint(0, 0), kDrawing));
    m_imgDet->setPixmap(art::pixmap(QStringLiteral("win-det-") + QLatin1String(m_window->art), kDrawing));
    m_imgDet->hide();
    m_dbText2 = new QLabel(drawing);
    m_dbText2->setObjectName(QStringLiteral("DBText2"));
    m_dbText3 = new QLabel(drawing);
    m_dbText3->setObjectName(QStringLiteral("DBText3"));
    // The width value sits above the drawing's width dimension, the height
    // value left of its height dimension (angles: one on each leg).
    QLabel *top = isWidthField(m_kind->dataLabel3) ? m_dbText3 : m_dbText2;
    QLabel *side = top == m_dbText2 ? m_dbText3 : m_dbText2;
    top->setGeometry(65, 4, 60, 16);
    top->setAlignment(Qt::AlignCenter);
    side->setGeometry(2, 102, 44, 16);
    side->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    pv->addWidget(drawing, 0, Qt::AlignHCenter);

    auto *line = new QFrame(panel2);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    pv->addWidget(line);
    auto *dims = new QGridLayout;
    dims->setHorizontalSpacing(6);
    dims->setVerticalSpacing(1);
    static const char *const names[] = {"LabelA", "LabelB", "LabelC", "LabelD", "LabelE", "LabelF", "LabelG"};
    for (int i = 0; i < m_kind->dimensions.size(); ++i) {
        auto *l = new QLabel(panel2);
        l->setObjectName(QString::fromLatin1(names[i]));
        dims->addWidget(l, i / 2, i % 2);
        m_dimLabels.append(l);
    }
    pv->addLayout(dims);
    v->addWidget(panel2);

    m_regT = chrome::counterStrip(column, "RegT");
    v->addWidget(m_regT);
    m_navigator = new TDBNavigator(column);
    m_navigator->setObjectName(QStringLiteral("DBNavigator1"));
    m_navigator->setTable(m_table);
    v->addWidget(m_navigator);

    chrome::ButtonBox box(column);
    m_printBt = box.add("ImprimirCatBt", "&Print", "Print the report related to active table");
    m_datosBt = box.add("DatosBt", "&Data", "Show the data of selected section");
    m_busquedaBt = box.add("BusquedaBt", "&Search");
    m_busquedaBt->setCheckable(true);
    // The latched mark fits the caption's height: the button keeps its size.
    m_busquedaBt->setIconSize(QSize(12, 12));
    connect(m_busquedaBt, &QPushButton::toggled, this, guard(this, &FamilyWindow::showSearchLatched));
    auto *okBtn = box.add("OKBtn", "&Close");
    auto *helpBtn = box.add("HelpBtn", "&Help");
    m_logo = box.finish(false);
    m_logo->setFixedSize(54, 70);
    v->addWidget(box.box());

    auto *note = new QLabel(QStringLiteral("(*) - Available on request"), column);
    note->setObjectName(QStringLiteral("LBSupply"));
    note->setVisible(m_window->supplyNote);
    v->addWidget(note);
    v->addStretch(1);

    connect(m_printBt, &QPushButton::clicked, this, &FamilyWindow::printRequested);
    connect(m_datosBt, &QPushButton::clicked, this, guard(this, &FamilyWindow::DatosBtClick));
    connect(m_busquedaBt, &QPushButton::clicked, this, guard(this, &FamilyWindow::BusquedaBtClick));
    connect(okBtn, &QPushButton::clicked, this, guard(this, &FamilyWindow::OKBtnClick));
    connect(helpBtn, &QPushButton::clicked, this, guard(this, &FamilyWindow::HelpBtnClick));
    return column;
}

QWidget *FamilyWindow::buildTabs()
{
    m_pages = new QTabWidget(this);
    m_pages->setObjectName(QStringLiteral("PageControl1"));
    // A narrow window shortens the tab captions rather than hiding a tab.
    m_pages->setUsesScrollButtons(false);
    m_pages->setElideMode(Qt::ElideRight);

    m_model1 = new TableModel(m_table, m_kind->propertyColumns, this);
    m_model2 = new TableModel(m_table, m_kind->detailColumns, this);
    const auto gridPage = [&](const char *sheet, const char *caption, const char *gridName, TableModel *model) {
        auto *page = new QWidget(m_pages);
        page->setObjectName(QString::fromLatin1(sheet));
        auto *l = new QVBoxLayout(page);
        l->setContentsMargins(0, 0, 0, 0);
        auto *grid = new TRxDBGrid(page);
        grid->setObjectName(QString::fromLatin1(gridName));
        grid->setTableModel(model, 2);
        l->addWidget(grid);
        m_pages->addTab(page, QString::fromLatin1(caption));
        connect(grid, &TRxDBGrid::rowDoubleClicked, this, guard(this, &FamilyWindow::DatosBtClick));
        connect(grid, &TRxDBGrid::exportRequested, this, guard(this, &FamilyWindow::exportToCsv));
        return grid;
    };
    m_grid1 = gridPage("TabSheet1", "Properties", "RxDBGrid1", m_model1);
    m_grid2 = gridPage("TabSheet2", "Dimensions for Detailing", "RxDBGrid2", m_model2);
    m_grid1->setExportName(familyKey() + QStringLiteral("-properties"));
    m_grid2->setExportName(familyKey() + QStringLiteral("-detailing"));

    auto *page = new QWidget(m_pages);
    page->setObjectName(QStringLiteral("TabSheet3"));
    auto *l = new QVBoxLayout(page);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(0);
    auto *title = new QLabel(QString::fromLatin1(m_window->toleranceTitle), page);
    title->setObjectName(QStringLiteral("Panel7"));
    title->setFrameStyle(QFrame::Panel | QFrame::Raised);
    title->setMargin(4);
    // A narrow window wraps the title rather than cutting it.
    title->setWordWrap(true);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    l->addWidget(title);
    auto *row = new QHBoxLayout;
    row->setSpacing(0);
    m_tolList = new QListWidget(page);
    m_tolList->setObjectName(QStringLiteral("ToleranciasLB"));
    m_tolList->setFixedWidth(121);
    row->addWidget(m_tolList);
    auto *right = new QVBoxLayout;
    right->setSpacing(0);
    auto *norma = new QLabel(QStringLiteral("  In accordance with ") + QLatin1String(m_window->standard), page);
    norma->setObjectName(QStringLiteral("NormaT"));
    norma->setAutoFillBackground(true);
    QPalette white = norma->palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, Qt::black);
    norma->setPalette(white);
    norma->setMargin(3);
    norma->setWordWrap(true);
    right->addWidget(norma);
    auto *scroll = new QScrollArea(page);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setPalette(white);
    scroll->setBackgroundRole(QPalette::Window);
    m_figure = new QLabel(scroll);
    m_figure->setObjectName(QStringLiteral("DBImage1"));
    m_figure->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_figure->setAutoFillBackground(true);
    m_figure->setPalette(white);
    scroll->setWidget(m_figure);
    scroll->setWidgetResizable(true);
    right->addWidget(scroll, 1);
    row->addLayout(right, 1);
    l->addLayout(row, 1);
    m_pages->addTab(page, QStringLiteral("Tolerances"));

    connect(m_tolList, &QListWidget::currentRowChanged, this, guard(this, &FamilyWindow::ToleranciasLBClick));
    return m_pages;
}

void FamilyWindow::FormCreate()
{
    m_table->close();
    if (auto *sub = qobject_cast<QMdiSubWindow *>(parentWidget()))
        sub->showMaximized();
    repaint();
    std::fill(m_property.begin(), m_property.end(), SearchCriterion{});
    std::fill(m_detail.begin(), m_detail.end(), SearchCriterion{});
    m_tab = 0;

    m_table->setDirectory(m_context->appDir());
    m_table->setFileName(QString::fromLatin1(m_family->tableFile));
    m_table->open();
    m_tolTable->setDirectory(m_context->appDir());
    m_tolTable->open();
    FillTolerancias();
    {
        const QSignalBlocker block(m_pages);
        m_pages->setCurrentIndex(m_tab);
    }
    if (Shell *shell = Shell::instance())
        shell->SetJanela(true);
    if (m_window->translateAgain)
        texts::translateAgain(this);
}

void FamilyWindow::selectTab(int tab) { m_pages->setCurrentIndex(tab); }

TRxDBGrid *FamilyWindow::currentGrid() const
{
    switch (m_tab) {
    case 0:
        return m_grid1;
    case 1:
        return m_grid2;
    default:
        return nullptr;
    }
}

bool FamilyWindow::showSection(const QString &designation)
{
    selectTab(0);
    const QString field = QStringLiteral("Designation");
    if (m_table->locate(field, {designation}))
        return true;
    if (!m_busquedaBt->isChecked() || !m_busquedaBt->isEnabled())
        return false;
    // The search hides the size: raised as a click on Search raises it, the
    // criteria kept for the next search.
    m_busquedaBt->click();
    if (!m_table->locate(field, {designation}))
        return false;
    m_regT->setText(m_regT->text() + texts::TranslateString(QStringLiteral(" (search switched off)")));
    return true;
}

void FamilyWindow::exportToCsv()
{
    if (TRxDBGrid *grid = currentGrid())
        gridexport::exportGrid(*grid, this, m_context->language());
}

void FamilyWindow::closeEvent(QCloseEvent *event)
{
    m_table->close();
    m_tolTable->close();
    chrome::childClosing(this);
    event->accept();
}

void FamilyWindow::OKBtnClick() { chrome::closeWindow(this); }

void FamilyWindow::HelpBtnClick()
{
    help::showContext(m_context->helpFile("-PFHelp.hlp"), m_window->helpContexts[std::clamp(m_tab, 0, 2)]);
}

void FamilyWindow::DataSource1DataChange()
{
    // With no row current (a search that selects nothing) the labels are
    // blank rather than showing zeros of a size that is not there.
    const bool row = m_table->isOpen() && m_table->currentRow() >= 0;
    QString counter = row ? chrome::recordCounter(m_table->recNo())
                          : searchInForce() ? texts::TranslateString(QStringLiteral("No size matches")) : QString();
    if (searchInForce() && m_table->isOpen()) {
        counter += u'\n' + texts::TranslateString(QStringLiteral("%1 of %2 sizes"))
                               .arg(m_table->recordCount())
                               .arg(m_table->fileRecordCount());
    }
    m_regT->setText(counter);
    const QChar point = display::systemDecimalPoint();
    for (int i = 0; i < m_dimLabels.size(); ++i) {
        const DimensionLabel &dim = m_kind->dimensions[i];
        const double value = m_table->field(QString::fromLatin1(dim.field)).asFloat();
        m_dimLabels[i]->setText(row ? QString::fromLatin1(dim.prefix) + display::fixed(value, dim.decimals, point)
                                          + QStringLiteral(" mm")
                                    : QString());
    }
    m_dbText1->setText(m_table->field(QStringLiteral("Designation")).asString());
    m_dbText2->setText(m_table->field(QString::fromLatin1(m_kind->dataLabel2)).displayText(point));
    m_dbText3->setText(m_table->field(QString::fromLatin1(m_kind->dataLabel3)).displayText(point));
    updateCommands();
}

void FamilyWindow::updateCommands()
{
    const bool browsing = m_tab != 2;
    const bool row = m_table->isOpen() && m_table->currentRow() >= 0;
    m_datosBt->setEnabled(browsing && row);
    m_busquedaBt->setEnabled(browsing);
    m_navigator->setEnabled(browsing && row);
}

void FamilyWindow::showSearchLatched(bool latched)
{
    // A checked push button differs little from a raised one in most styles:
    // a latched Search button is tinted, bold and marked with a funnel.
    m_busquedaBt->setPalette(QPalette());
    m_busquedaBt->setFont(QFont());
    m_busquedaBt->setIcon(QIcon());
    if (!latched)
        return;
    QPalette p = m_busquedaBt->palette();
    // Styles that dither a checked button mix Button with Light: both tinted.
    const QColor tint(255, 200, 100);
    p.setColor(QPalette::Button, tint);
    p.setColor(QPalette::Light, tint);
    p.setColor(QPalette::Midlight, tint);
    p.setColor(QPalette::ButtonText, Qt::black);
    m_busquedaBt->setPalette(p);
    QFont bold = m_busquedaBt->font();
    bold.setBold(true);
    m_busquedaBt->setFont(bold);
    QPainterPath funnel;
    funnel.moveTo(1, 2);
    funnel.lineTo(15, 2);
    funnel.lineTo(9.5, 8.5);
    funnel.lineTo(9.5, 14);
    funnel.lineTo(6.5, 12);
    funnel.lineTo(6.5, 8.5);
    funnel.closeSubpath();
    m_busquedaBt->setIcon(chrome::glyph(funnel));
}

void FamilyWindow::PageControl1Change(int tab)
{
    m_imgDet->setVisible(tab == 1);
    m_imgProp->setVisible(tab != 1);
    m_dbText2->setVisible(tab != 1);
    m_dbText3->setVisible(tab != 1);
    m_tab = tab;
    updateCommands();
    // The other tab's criteria apply now: the rows read at open are filtered
    // again, so a file changed underneath since then cannot matter. The size
    // the user had stays current when the new tab's rows include it.
    m_table->refilter(Table::Current::Kept);
}

void FamilyWindow::FillTolerancias()
{
    const int remembered = std::max(0, m_tolList->currentRow());
    {
        const QSignalBlocker block(m_tolList);
        m_tolTable->disableControls();
        m_tolTable->first();
        m_tolList->clear();
        const QString key = QString::fromLatin1(m_window->toleranceKey);
        const QString language = m_context->languagePrefix();
        const FieldRef raroda = m_tolTable->field(QStringLiteral("Raroda"));
        const FieldRef idioma = m_tolTable->field(QStringLiteral("Idioma"));
        const FieldRef tolerancia = m_tolTable->field(QStringLiteral("Tolerancia"));
        for (int i = 0; i < m_tolTable->recordCount(); ++i) {
            if (raroda.asString() == key && idioma.asString() == language)
                m_tolList->addItem(tolerancia.asString());
            m_tolTable->next();
        }
        m_tolTable->enableControls();
        if (m_tolList->count() > 0)
            m_tolList->setCurrentRow(std::min(remembered, m_tolList->count() - 1));
    }
    ToleranciasLBClick();
}

void FamilyWindow::ToleranciasLBClick()
{
    const QListWidgetItem *item = m_tolList->currentItem();
    if (!item || !m_tolTable->isOpen())
        return;
    m_tolTable->locate(QStringLiteral("Raroda;Idioma;Tolerancia"),
                       {QString::fromLatin1(m_window->toleranceKey), m_context->languagePrefix(), item->text()});
    showFigure();
}

void FamilyWindow::showFigure()
{
    m_figure->setPixmap(QPixmap());
    if (!m_tolTable->isOpen() || m_tolTable->recordCount() == 0)
        return;
    const QByteArray bytes = m_tolTable->field(QStringLiteral("Figura")).asBytes();
    if (bytes.isEmpty())
        return;
    // Decoded within limits: a picture far larger than a figure is refused
    // with its table, row and field rather than taking memory at every look.
    const QString where = QStringLiteral("The table %1, row %2, field \"Figura\"")
                              .arg(QDir::toNativeSeparators(m_tolTable->filePath()))
                              .arg(m_tolTable->recNo());
    m_figure->setPixmap(QPixmap::fromImage(pictures::decode(bytes, where)));
}

void FamilyWindow::DatosBtClick()
{
    // No sheet on the tolerances tab, nor on a search that selected nothing.
    if (m_tab == 2 || !m_table->isOpen() || m_table->currentRow() < 0)
        return;
    m_context->setSheetFamilyKey(familyKey());
    emit sheetRequested(m_tab);
}

bool FamilyWindow::searchInForce() const { return m_busquedaBt && m_busquedaBt->isChecked() && m_tab != 2; }

bool FamilyWindow::filterRecord(const Record &row) const
{
    if (!searchInForce())
        return true;
    const bool property = m_tab == 0;
    const std::vector<SearchCriterion> &criteria = property ? m_property : m_detail;
    const Criteria quantities = property ? m_kind->propertyCriteria : m_kind->detailCriteria;
    for (size_t i = 0; i < criteria.size(); ++i) {
        if (criteria[i].Enabled && !CriterionMet(criteria[i], quantities[i].value(row)))
            return false;
    }
    return true;
}

bool FamilyWindow::Filtrado(int kind) const
{
    if (!m_busquedaBt->isChecked())
        return false;
    const std::vector<SearchCriterion> &criteria = kind == 1 ? m_property : m_detail;
    return std::any_of(criteria.begin(), criteria.end(), [](const SearchCriterion &c) { return c.Enabled; });
}

void FamilyWindow::BusquedaBtClick()
{
    // Whatever the dialog does, the rows are filtered again by the new state;
    // the size the user had stays current when the search keeps it.
    struct Refilter {
        Table *table;
        ~Refilter() { table->refilter(Table::Current::Kept); }
    } refilter{m_table};
    if (!m_busquedaBt->isChecked() || m_tab == 2)
        return;
    const bool property = m_tab == 0;
    std::vector<SearchCriterion> &criteria = property ? m_property : m_detail;
    std::unique_ptr<SearchDialog> dialog = openSearchDialog(*m_kind, property, *m_context, this);
    for (int i = 1; i <= int(criteria.size()); ++i)
        dialog->AjustaDados(criteria[size_t(i - 1)], i);
    if (dialog->exec() == QDialog::Accepted) {
        for (int i = 1; i <= int(criteria.size()); ++i)
            criteria[size_t(i - 1)] = dialog->LeDados(i);
    }
}

void FamilyWindow::IvTranslator1LanguageChange()
{
    if (m_tolTable->isOpen())
        FillTolerancias();
    // The counter is written by code: give it the new language at once.
    DataSource1DataChange();
    if (Shell *shell = Shell::instance()) {
        const QPixmap logo = shell->languageLogo(m_context->language());
        if (!logo.isNull())
            m_logo->setPixmap(logo);
    }
}
