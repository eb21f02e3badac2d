#include "app/HelpViewer.h"

#include "app/HelpCollection.h"
#include "browse/ErrorReport.h"
#include "browse/Texts.h"
#include "data/AppContext.h"
#include "data/AppGlobals.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QHelpContentWidget>
#include <QHelpContentModel>
#include <QHelpEngine>
#include <QHelpIndexWidget>
#include <QHelpLink>
#include <QLabel>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QMessageBox>
#include <QSplitter>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

QPointer<HelpViewer> g_viewer;

// Pages come from the compiled help; a link between help files is looked up
// in all of them.
class HelpBrowser : public QTextBrowser {
public:
    explicit HelpBrowser(QWidget *parent) : QTextBrowser(parent) {}
    const HelpCollection *collection = nullptr;

    QVariant loadResource(int type, const QUrl &name) override
    {
        const QUrl url = name.isRelative() ? source().resolved(name) : name;
        if (collection && url.scheme() == u"qthelp") {
            const QByteArray data = collection->data(url);
            if (!data.isEmpty())
                return data;
        }
        return QTextBrowser::loadResource(type, name);
    }
};

void warn(const QString &message)
{
    QMessageBox::warning(QApplication::activeWindow(), app::ApplicationTitle(), message);
}

} // namespace

// The collection of one language and the contents, index and search over it.
struct HelpViewer::Panel {
    std::unique_ptr<HelpCollection> collection;
    QTabWidget *tabs = nullptr;
    QLineEdit *filter = nullptr;
    QLabel *lookFor = nullptr;
    QLabel *searchFor = nullptr;
    QLineEdit *query = nullptr;
    QPushButton *searchButton = nullptr;
    QLabel *found = nullptr;
    QListWidget *results = nullptr;
};

HelpViewer::HelpViewer()
    : m_navigation(new QStackedWidget), m_browser(new HelpBrowser(nullptr))
{
    setObjectName(QStringLiteral("HelpViewer"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlag(Qt::Window);
    resize(900, 640);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *splitter = new QSplitter(this);
    splitter->addWidget(m_navigation);
    splitter->addWidget(m_browser);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({260, 640});
    layout->addWidget(splitter);
    m_browser->setObjectName(QStringLiteral("HelpPage"));
    // Links are followed here: pages in the help, addresses on the desktop.
    m_browser->setOpenLinks(false);
    connect(m_browser, &QTextBrowser::anchorClicked, this, [this](const QUrl &link) {
        guarded([&] {
            const QUrl url = link.isRelative() ? m_browser->source().resolved(link) : link;
            if (url.scheme() == u"qthelp")
                showPage(url);
            else
                QDesktopServices::openUrl(url);
        });
    });
}

HelpViewer::~HelpViewer()
{
    // The engines go before the widgets they drive.
    for (auto &[key, panel] : m_panels)
        panel->collection.reset();
}

HelpViewer *HelpViewer::current() { return g_viewer; }

QUrl HelpViewer::page() const { return m_browser->source(); }
QTabWidget *HelpViewer::navigation() const { return m_panel ? m_panel->tabs : nullptr; }
QLineEdit *HelpViewer::indexFilter() const { return m_panel ? m_panel->filter : nullptr; }
QLineEdit *HelpViewer::searchInput() const { return m_panel ? m_panel->query : nullptr; }
QPushButton *HelpViewer::searchButton() const { return m_panel ? m_panel->searchButton : nullptr; }
QListWidget *HelpViewer::searchResults() const { return m_panel ? m_panel->results : nullptr; }
HelpCollection *HelpViewer::collection() const { return m_panel ? m_panel->collection.get() : nullptr; }

void HelpViewer::show(const QString &helpFile, int context)
{
    const bool created = !g_viewer;
    if (created)
        g_viewer = new HelpViewer;
    try {
        g_viewer->open(helpFile, context);
    } catch (const HelpError &e) {
        if (created)
            delete g_viewer;
        warn(QString::fromUtf8(e.what()));
        return;
    }
    g_viewer->QWidget::show();
    g_viewer->raise();
    g_viewer->activateWindow();
}

void HelpViewer::followLanguage(const AppContext &context)
{
    if (!g_viewer || g_viewer->m_file.isEmpty())
        return;
    // "-PFHelp.hlp" of ".../EN-PFHelp.hlp".
    const QString name = QFileInfo(g_viewer->m_file).fileName();
    const QString file = context.helpFile(name.mid(name.indexOf(u'-')).toUtf8().constData());
    g_viewer->retranslate();
    if (file == g_viewer->m_file)
        return;
    const QString pageName = g_viewer->page().fileName();
    try {
        Panel &panel = g_viewer->panelFor(file);
        g_viewer->open(file, g_viewer->m_context, panel.collection->samePage(file, pageName));
    } catch (const HelpError &e) {
        // Said in the window itself: the switch asked for no help.
        g_viewer->m_file = file;
        g_viewer->m_browser->setHtml(QStringLiteral("<p>%1</p>").arg(QString::fromUtf8(e.what()).toHtmlEscaped()));
        g_viewer->setWindowTitle(app::ApplicationTitle());
    }
}

HelpViewer::Panel &HelpViewer::panelFor(const QString &helpFile)
{
    const QString key = HelpCollection::keyOf(helpFile);
    auto found = m_panels.find(key);
    if (found != m_panels.end()) {
        // The file itself may have gone or been replaced since.
        if (!QFileInfo(helpFile).isFile() || found->second->collection->namespaceOf(helpFile).isEmpty())
            HelpCollection check(helpFile); // throws the reason, or registers it
        found->second->collection->engine()->setupData();
        return *found->second;
    }
    auto panel = std::make_unique<Panel>();
    panel->collection = std::make_unique<HelpCollection>(helpFile);
    QHelpEngine *engine = panel->collection->engine();

    panel->tabs = new QTabWidget;
    panel->tabs->setObjectName(QStringLiteral("HelpNavigation"));
    QHelpContentWidget *contents = engine->contentWidget();
    contents->setObjectName(QStringLiteral("HelpContents"));
    contents->setHeaderHidden(true);
    panel->tabs->addTab(contents, QString());
    connect(contents, &QHelpContentWidget::linkActivated, this, [this](const QUrl &url) { guarded([&] { showPage(url); }); });
    // The contents are read in the background: the page shown is marked
    // when they are there.
    connect(engine->contentModel(), &QHelpContentModel::contentsCreated, this, [this, contents] {
        contents->expandToDepth(0);
        const QModelIndex at = contents->indexOf(page());
        if (at.isValid())
            contents->setCurrentIndex(at);
    });

    auto *index = new QWidget;
    auto *indexLayout = new QVBoxLayout(index);
    panel->lookFor = new QLabel(index);
    panel->filter = new QLineEdit(index);
    panel->filter->setObjectName(QStringLiteral("HelpIndexFilter"));
    panel->lookFor->setBuddy(panel->filter);
    QHelpIndexWidget *list = engine->indexWidget();
    list->setObjectName(QStringLiteral("HelpIndex"));
    indexLayout->addWidget(panel->lookFor);
    indexLayout->addWidget(panel->filter);
    indexLayout->addWidget(list, 1);
    panel->tabs->addTab(index, QString());
    connect(panel->filter, &QLineEdit::textChanged, list,
            [list](const QString &text) { list->filterIndices(text, QString()); });
    connect(panel->filter, &QLineEdit::returnPressed, list, &QHelpIndexWidget::activateCurrentItem);
    connect(list, &QHelpIndexWidget::documentActivated, this,
            [this](const QHelpLink &link) { guarded([&] { showPage(link.url); }); });
    // A keyword of several pages: the user picks one from their titles.
    connect(list, &QHelpIndexWidget::documentsActivated, this, [this, list](const QList<QHelpLink> &links) {
        guarded([&] {
            if (links.isEmpty())
                return;
            QMenu choice(this);
            for (const QHelpLink &link : links)
                choice.addAction(link.title)->setData(link.url);
            const QRect at = list->visualRect(list->currentIndex());
            if (QAction *chosen = choice.exec(list->viewport()->mapToGlobal(at.bottomLeft())))
                showPage(chosen->data().toUrl());
        });
    });

    auto *searchPage = new QWidget;
    auto *searchLayout = new QVBoxLayout(searchPage);
    panel->searchFor = new QLabel(searchPage);
    panel->query = new QLineEdit(searchPage);
    panel->query->setObjectName(QStringLiteral("HelpSearchInput"));
    panel->searchFor->setBuddy(panel->query);
    panel->searchButton = new QPushButton(searchPage);
    panel->searchButton->setObjectName(QStringLiteral("HelpSearchButton"));
    panel->found = new QLabel(searchPage);
    panel->found->setObjectName(QStringLiteral("HelpSearchCount"));
    panel->results = new QListWidget(searchPage);
    panel->results->setObjectName(QStringLiteral("HelpSearchResults"));
    auto *row = new QHBoxLayout;
    row->addWidget(panel->query, 1);
    row->addWidget(panel->searchButton);
    searchLayout->addWidget(panel->searchFor);
    searchLayout->addLayout(row);
    searchLayout->addWidget(panel->found);
    searchLayout->addWidget(panel->results, 1);
    panel->tabs->addTab(searchPage, QString());
    Panel *p = panel.get();
    const auto search = [this, p] {
        guarded([&] {
            p->results->clear();
            const QList<HelpCollection::Found> found = p->collection->search(p->query->text());
            for (const HelpCollection::Found &f : found) {
                auto *item = new QListWidgetItem(f.title, p->results);
                item->setData(Qt::UserRole, f.page);
            }
            p->found->setText(texts::TranslateString(QStringLiteral("Pages found: %1")).arg(found.size()));
        });
    };
    connect(panel->query, &QLineEdit::returnPressed, this, search);
    connect(panel->searchButton, &QPushButton::clicked, this, search);
    connect(panel->results, &QListWidget::itemActivated, this, [this](QListWidgetItem *item) {
        guarded([&] { showPage(item->data(Qt::UserRole).toUrl()); });
    });
    connect(panel->results, &QListWidget::itemClicked, this, [this](QListWidgetItem *item) {
        guarded([&] { showPage(item->data(Qt::UserRole).toUrl()); });
    });

    // Choosing the index or the search puts the cursor in its box.
    connect(panel->tabs, &QTabWidget::currentChanged, this, [p](int tab) {
        if (tab == 1)
            p->filter->setFocus();
        else if (tab == 2)
            p->query->setFocus();
    });
    m_navigation->addWidget(panel->tabs);
    Panel &result = *panel;
    m_panels.emplace(key, std::move(panel));
    return result;
}

void HelpViewer::open(const QString &helpFile, int context, const QUrl &at)
{
    Panel &panel = panelFor(helpFile);
    const HelpCollection &collection = *panel.collection;
    QUrl url = at;
    if (url.isEmpty())
        url = context >= 0 ? collection.topicPage(helpFile, context) : collection.firstPage(helpFile);
    if (url.isEmpty()) {
        throw HelpError(texts::TranslateString(QStringLiteral("The help file %1 has no topic %2."))
                            .arg(QDir::toNativeSeparators(helpFile))
                            .arg(context)
                            .toStdString());
    }
    m_panel = &panel;
    static_cast<HelpBrowser *>(m_browser)->collection = panel.collection.get();
    m_navigation->setCurrentWidget(panel.tabs);
    m_file = helpFile;
    m_context = context;
    retranslate();
    // The topics command opens on the contents; a topic keeps the tab chosen.
    if (context < 0)
        panel.tabs->setCurrentIndex(0);
    showPage(url);
}

void HelpViewer::showPage(const QUrl &url)
{
    const QUrl found = m_panel ? m_panel->collection->resolve(url) : QUrl();
    if (found.isEmpty())
        return;
    m_browser->setSource(found, QTextDocument::HtmlResource);
    auto *contents = m_panel->collection->engine()->contentWidget();
    const QModelIndex at = contents->indexOf(found);
    if (at.isValid())
        contents->setCurrentIndex(at);
    setWindowTitle(m_browser->documentTitle().isEmpty() ? app::ApplicationTitle()
                                                        : m_browser->documentTitle() + QStringLiteral(" - ")
                                                              + app::ApplicationTitle());
}

void HelpViewer::retranslate()
{
    for (auto &[key, panel] : m_panels) {
        panel->tabs->setTabText(0, texts::TranslateString(QStringLiteral("Contents")));
        panel->tabs->setTabText(1, texts::TranslateString(QStringLiteral("Index")));
        panel->tabs->setTabText(2, texts::TranslateString(QStringLiteral("Search")));
        panel->lookFor->setText(texts::TranslateString(QStringLiteral("&Look for:")));
        panel->searchFor->setText(texts::TranslateString(QStringLiteral("Search for:")));
        panel->searchButton->setText(texts::TranslateString(QStringLiteral("Search")));
        if (!panel->found->text().isEmpty())
            panel->found->setText(texts::TranslateString(QStringLiteral("Pages found: %1")).arg(panel->results->count()));
    }
}
