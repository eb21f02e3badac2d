#include "app/TPrincipalFm.h"

#include "app/ErrorReport.h"
#include "app/FindBox.h"
#include "app/HelpViewer.h"
#include "app/Settings.h"
#include "app/TMDIImage.h"
#include "app/TSobreFm.h"
#include "browse/Art.h"
#include "browse/GridExport.h"
#include "browse/SectionWindows.h"
#include "browse/TAceroFm.h"
#include "browse/TRxDBGrid.h"
#include "browse/Texts.h"
#include "data/AppGlobals.h"
#include "i18n/IvBinaryDictionary.h"
#include "i18n/IvTranslator.h"
#include "i18n/TranslateString.h"
#include "reports/CataloguePrint.h"
#include "reports/SheetPage.h"
#include "sheets/Sheets.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QStatusBar>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>

const char *const TPrincipalFm::kLegalName = "Raroda Perfiles Sider\u00fargicos, S.A.";
const char *const TPrincipalFm::kSite = "www.raroda.example";
const char *const TPrincipalFm::kEmailComercial = "comercial@raroda.example";
const char *const TPrincipalFm::kEmailGeneral = "info@raroda.example";
const char *const TPrincipalFm::kEmailVantiro = "vantiro@raroda.example";

namespace {

bool askYesNo(QWidget *parent, const QString &question)
{
    return QMessageBox::question(parent, app::ApplicationTitle(), question, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

struct ToolButtonDesc {
    const char *name;
    const char *caption;
    const char *hint;
    const char *glyph;
    int left;
};

// The property of a minimized child window that tells whether it was
// maximized before.
constexpr const char *kRestoreMaximized = "restoreMaximized";

const ToolButtonDesc kToolButtons[] = {
    {"HEBBt", "HEB", "HEB Sections", "tb-heb", 5},          {"HEABt", "HEA", "HEA Sections", "tb-hea", 55},
    {"HEMBt", "HEM", "HEM Sections", "tb-hem", 105},        {"IPEBt", "IPE", "IPE Sections", "tb-ipe", 155},
    {"IPNBt", "IPN", "IPN Sections", "tb-ipn", 205},        {"UPNBt", "UPN", "UPN Sections", "tb-upn", 255},
    {"AngBt", "Angles", "Equal Leg Angle Section", "tb-ang", 305}, {"AceroBt", "Steel", "Steel", "tb-steel", 355},
    {"SpanishBt", "Spanish", "Spanish", "tb-es", 0},        {"EnglishBt", "English", "English", "tb-en", 0},
};

// The Print menu's family items, one handler per family, in the order of the
// toolbar; the component names spell the angles "Ang".
struct PrintFamily {
    SectionFamily family;
    const char *name;
    const char *caption;
    void (TPrincipalFm::*handler)(int);
};
const PrintFamily kPrintFamilies[] = {{SectionFamily::HEB, "HEB", "HE&B Sections", &TPrincipalFm::ImpHEBClick},
                                      {SectionFamily::HEA, "HEA", "HE&A Sections", &TPrincipalFm::ImpHEAClick},
                                      {SectionFamily::HEM, "HEM", "HE&M Sections", &TPrincipalFm::ImpHEMClick},
                                      {SectionFamily::IPE, "IPE", "IP&E Sections", &TPrincipalFm::ImpIPEClick},
                                      {SectionFamily::IPN, "IPN", "&IPN Sections", &TPrincipalFm::ImpIPNClick},
                                      {SectionFamily::UPN, "UPN", "&UPN Sections", &TPrincipalFm::ImpUPNClick},
                                      {SectionFamily::ANG, "Ang", "Equal Leg A&ngle Sections", &TPrincipalFm::ImpAngClick}};

} // namespace

TPrincipalFm::TPrincipalFm(QWidget *parent, const QString &appDir)
    : QMainWindow(parent), m_confirm(askYesNo)
{
    // The settings file is read while the menus are built, so the directory
    // is known first.
    m_context.setAppDir(appDir.isEmpty() ? QFileInfo(QCoreApplication::applicationFilePath()).absolutePath() : appDir);
    setObjectName(QStringLiteral("PrincipalFm"));
    setWindowTitle(QString::fromLatin1(app::kNativeTitle));
    // Every window of the program, child windows, dialogs, sheets and
    // previews, carries the program's own icon.
    QApplication::setWindowIcon(art::programIcon());
    setMinimumSize(518, 300);

    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    buildToolBar();
    m_toolBar->setParent(central);
    layout->addWidget(m_toolBar);
    m_mdi = new QMdiArea(central);
    m_mdi->setObjectName(QStringLiteral("ClientArea"));
    m_mdi->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdi->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    layout->addWidget(m_mdi, 1);
    setCentralWidget(central);

    buildMenus();
    auto *status = new QStatusBar(this);
    status->setObjectName(QStringLiteral("StatusBar"));
    m_statusText = new QLabel(QStringLiteral("  TOLMO - %1 - Products Catalogue").arg(QString::fromUtf8(kLegalName)),
                              status);
    m_statusText->setObjectName(QStringLiteral("StatusBarText"));
    status->addWidget(m_statusText, 1);
    setStatusBar(status);

    m_img = new TMDIImage(this);
    m_dictionary = new TIvBinaryDictionary(this, QStringLiteral("Dictionary1"));
    m_dictionary->setObjectName(QStringLiteral("IvBinaryDictionary1"));
    m_dictionary->setSubLanguage(0);
    m_dictionary->setLanguage(0);
    m_dictionary->setBinding(ivbiLanguageToLocale);
    m_translator = texts::makeTranslator(
        this, "(1 5 ('*' 'Hint' 0) ('*' 'Caption' 0) ('*' 'SimpleText' 0) ('*' 'Filter' 0) ('*' 'Title' 0))");
    connect(m_translator, &TIvTranslator::OnLanguageChange, this, guard(this, &TPrincipalFm::mailCaptions));
    m_enLogoMDI = art::pixmap(QStringLiteral("background-en"), {274, 378});
    m_esLogoMDI = art::pixmap(QStringLiteral("background-es"), {274, 378});
    m_enLogo = art::pixmap(QStringLiteral("logo-en"), {54, 70});
    m_esLogo = art::pixmap(QStringLiteral("logo-es"), {54, 70});

    Shell::setInstance(this);
    help::setHandler([](const QString &file, int context) {
        HelpViewer::show(file, context == help::kTopicsCommand ? -1 : context);
    });

    // An error of the creation steps is reported and the window still comes up.
    guarded([this] { FormCreate(); });
}

TPrincipalFm::~TPrincipalFm()
{
    if (Shell::instance() == this)
        Shell::setInstance(nullptr);
    // The child windows are destroyed after this window has stopped being a
    // main window; what they signal then must not reach its handlers.
    m_mdi->disconnect(this);
    for (QMdiSubWindow *sub : m_mdi->subWindowList())
        sub->disconnect(this);
}

void TPrincipalFm::FormCreate()
{
    setWindowTitle(app::ApplicationTitle());
    setWindowState(windowState() | Qt::WindowMaximized);
    SetJanela(false);
    // The language buttons keep their distance from the right edge.
    auto *english = m_toolBar->findChild<QToolButton *>(QStringLiteral("EnglishBt"));
    auto *spanish = m_toolBar->findChild<QToolButton *>(QStringLiteral("SpanishBt"));
    english->move(width() - english->width() - 15, english->y());
    spanish->move(english->x() - english->width(), spanish->y());
    m_toolBar->setProperty("rightGap", width() - english->x());
    placeFindBox();
    m_dictionary->close();
    m_dictionary->setFileName(m_context.appDir() + QStringLiteral("PTolmo2.dll"));
    // A damaged dictionary is reported once and stays closed: every window
    // then opens in English. A note in the status bar says why, also when
    // the file is missing, which otherwise goes without a message.
    guarded([this] { m_dictionary->open(); });
    if (!m_dictionary->isOpen()) {
        auto *note = new QLabel(m_dictionary->filePresent()
                                    ? QStringLiteral("Translations not available: PTolmo2.dll is damaged")
                                    : QStringLiteral("Translations not available: PTolmo2.dll is missing"),
                                statusBar());
        note->setObjectName(QStringLiteral("DictionaryNote"));
        statusBar()->addPermanentWidget(note);
    }
    m_translator->loaded();
    // The stored language, applied without writing the file: start-up never
    // writes, also in a read-only folder.
    applyLanguage(settings::readLanguage(m_context));
}

void TPrincipalFm::buildToolBar()
{
    m_toolBar = new QFrame;
    m_toolBar->setObjectName(QStringLiteral("ToolBarT"));
    m_toolBar->setFixedHeight(46);
    auto *bevel = new QFrame(m_toolBar);
    bevel->setObjectName(QStringLiteral("Bevel1"));
    bevel->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    bevel->setGeometry(0, 0, 4000, 2);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(10);
    for (const ToolButtonDesc &d : kToolButtons) {
        auto *b = new QToolButton(m_toolBar);
        b->setObjectName(QString::fromLatin1(d.name));
        b->setText(QString::fromLatin1(d.caption));
        b->setToolTip(QString::fromLatin1(d.hint));
        b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        b->setIcon(QIcon(art::pixmap(QString::fromLatin1(d.glyph), {24, 24})));
        b->setIconSize({22, 22});
        b->setFont(font);
        b->setAutoRaise(true);
        b->setGeometry(d.left, 4, 50, 40);
    }
    const auto button = [this](const char *name) { return m_toolBar->findChild<QToolButton *>(QString::fromLatin1(name)); };
    connect(button("HEBBt"), &QToolButton::clicked, this, guard(this, &TPrincipalFm::HEBBtClick));
    connect(button("HEABt"), &QToolButton::clicked, this, guard(this, &TPrincipalFm::HEABtClick));
    connect(button("HEMBt"), &QToolButton::clicked, this, guard(this, &TPrincipalFm::HEMBtClick));
    connect(button("IPEBt"), &QToolButton::clicked, this, guard(this, &TPrincipalFm::IPEBtClick));
    connect(button("IPNBt"), &QToolButton::clicked, this, guard(this, &TPrincipalFm::IPNBtClick));
    connect(button("UPNBt"), &QToolButton::clicked, this, guard(this, &TPrincipalFm::UPNBtClick));
    connect(button("AngBt"), &QToolButton::clicked, this, guard(this, &TPrincipalFm::AngBtClick));
    connect(button("AceroBt"), &QToolButton::clicked, this, guard(this, &TPrincipalFm::AceroBtClick));
    connect(button("SpanishBt"), &QToolButton::clicked, this, guard(this, &TPrincipalFm::EspanolMnClick));
    connect(button("EnglishBt"), &QToolButton::clicked, this, guard(this, &TPrincipalFm::InglesMnClick));

    m_find = new FindBox(m_toolBar);
    m_find->setCompletions([this](const QString &typed) {
        QStringList list;
        guarded([&] { list = catalogue().completions(typed); });
        return list;
    });
    connect(m_find, &FindBox::findRequested, this,
            [this](const QString &text, bool sheet) { guarded([&] { findSection(text, sheet); }); });
    // Ctrl+F from the main window and every child window in it; a hidden
    // toolbar comes back to show the box.
    auto *findKey = new QAction(this);
    findKey->setObjectName(QStringLiteral("FindSectionKey"));
    findKey->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
    addAction(findKey);
    connect(findKey, &QAction::triggered, this, [this] {
        if (!m_toolBar->isVisible()) {
            m_barraFerramentasMn->setChecked(true);
            BarraFerramentasMnClick();
        }
        m_find->setFocus(Qt::ShortcutFocusReason);
        m_find->selectAll();
    });
    m_toolBar->installEventFilter(this);
}

void TPrincipalFm::placeFindBox()
{
    // Left of the language buttons, never over the Steel button.
    const auto *spanish = m_toolBar->findChild<QToolButton *>(QStringLiteral("SpanishBt"));
    const auto *steel = m_toolBar->findChild<QToolButton *>(QStringLiteral("AceroBt"));
    const int right = spanish->x() - 8;
    const int left = std::max(steel->x() + steel->width() + 8, right - 180);
    const int height = m_find->sizeHint().height();
    m_find->setGeometry(left, 4 + (40 - height) / 2, right - left, height);
    m_find->setVisible(right - left >= 80);
}

bool TPrincipalFm::eventFilter(QObject *watched, QEvent *event)
{
    // The language buttons are anchored to the toolbar's right edge.
    if (watched == m_toolBar && event->type() == QEvent::Resize && m_toolBar->property("rightGap").isValid()) {
        auto *english = m_toolBar->findChild<QToolButton *>(QStringLiteral("EnglishBt"));
        auto *spanish = m_toolBar->findChild<QToolButton *>(QStringLiteral("SpanishBt"));
        english->move(m_toolBar->width() - m_toolBar->property("rightGap").toInt(), english->y());
        spanish->move(english->x() - english->width(), spanish->y());
        placeFindBox();
    }
    return QMainWindow::eventFilter(watched, event);
}

void TPrincipalFm::buildMenus()
{
    QMenuBar *bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    const auto menu = [](QMenu *parent, QMenuBar *mbar, const char *name, const char *caption) {
        QMenu *m = parent ? parent->addMenu(QString::fromUtf8(caption)) : mbar->addMenu(QString::fromUtf8(caption));
        m->setObjectName(QString::fromLatin1(name));
        m->menuAction()->setObjectName(QString::fromLatin1(name));
        return m;
    };
    const auto item = [this](QMenu *m, const char *name, const QString &caption, auto handler,
                             QKeySequence key = {}) {
        QAction *a = m->addAction(caption);
        a->setObjectName(QString::fromLatin1(name));
        if (!key.isEmpty())
            a->setShortcut(key);
        if constexpr (!std::is_same_v<decltype(handler), std::nullptr_t>)
            connect(a, &QAction::triggered, this, guard(this, handler));
        return a;
    };
    const auto separator = [](QMenu *m, const char *name) { m->addSeparator()->setObjectName(QString::fromLatin1(name)); };

    QMenu *arquivo = menu(nullptr, bar, "ArquivoMn", "&File");
    QMenu *imprimir = menu(arquivo, nullptr, "ImprimirMn", "&Print");
    struct Sub { const char *name; const char *caption; };
    const Sub subs[] = {{"ImpPropMn", "&Properties"}, {"ImpDetMn", "&Dimensions for Detailing"}, {"ImpTolMn", "&Tolerances"}};
    for (int tag = 0; tag < 3; ++tag) {
        QMenu *sub = menu(imprimir, nullptr, subs[tag].name, subs[tag].caption);
        for (const PrintFamily &f : kPrintFamilies) {
            QAction *a = item(sub, "", QString::fromLatin1(f.caption), nullptr);
            a->setObjectName(QStringLiteral("%1Imp%2Mn").arg(QString::fromLatin1(subs[tag].name).left(6),
                                                             QString::fromLatin1(f.name)));
            a->setData(tag);
            connect(a, &QAction::triggered, this, guard([this, handler = f.handler, tag] { (this->*handler)(tag); }));
        }
    }
    separator(imprimir, "N9");
    QMenu *aceros = menu(imprimir, nullptr, "ImpAcerosMn", "&Steels");
    const char *const steels[] = {"&Mechanical Properties", "&Chemical Composition", "&Equivalent Designations"};
    for (int tag = 0; tag < 3; ++tag) {
        QAction *a = item(aceros, "", QString::fromLatin1(steels[tag]), nullptr);
        a->setObjectName(QStringLiteral("ImpAcero%1Mn").arg(tag));
        a->setData(tag);
        connect(a, &QAction::triggered, this, guard([this, tag] { ImpAceroClick(tag); }));
    }
    separator(imprimir, "N10");
    item(imprimir, "ImpRelMn", QStringLiteral("&All Reports"), &TPrincipalFm::ImpRelMnClick);
    m_exportarMn = item(arquivo, "ExportarMn", QStringLiteral("&Export to CSV..."), &TPrincipalFm::ExportarMnClick);
    connect(arquivo, &QMenu::aboutToShow, this, [this] { m_exportarMn->setEnabled(activeGrid() != nullptr); });
    separator(arquivo, "N8");
    item(arquivo, "SairMn", QStringLiteral("E&xit"), &TPrincipalFm::SairMnClick, QKeySequence(Qt::Key_F3));

    QMenu *editar = menu(nullptr, bar, "EditarMn", "&View");
    m_barraFerramentasMn = item(editar, "BarraFerramentasMn", QStringLiteral("&Toolbar"),
                                &TPrincipalFm::BarraFerramentasMnClick, QKeySequence(Qt::Key_F2));
    m_barraStatusMn = item(editar, "BarraStatusMn", QStringLiteral("&Status Bar"), &TPrincipalFm::BarraStatusMnClick);
    for (QAction *a : {m_barraFerramentasMn, m_barraStatusMn}) {
        a->setCheckable(true);
        a->setChecked(true);
    }

    QMenu *catalogos = menu(nullptr, bar, "CatalogosMn", "&Catalogues");
    item(catalogos, "PerfilesHEBMn", QStringLiteral("HE&B Sections"), &TPrincipalFm::HEBBtClick);
    item(catalogos, "PerfilesHEAMn", QStringLiteral("HE&A Sections"), &TPrincipalFm::HEABtClick);
    item(catalogos, "PerfilesHEMMn", QStringLiteral("HE&M Sections"), &TPrincipalFm::HEMBtClick);
    separator(catalogos, "N5");
    item(catalogos, "PerfilesIPEMn", QStringLiteral("IP&E Sections"), &TPrincipalFm::IPEBtClick);
    item(catalogos, "PerfilesIPNMn", QStringLiteral("&IPN Sections"), &TPrincipalFm::IPNBtClick);
    separator(catalogos, "N3");
    item(catalogos, "PerfilesUPNMn", QStringLiteral("&UPN Sections"), &TPrincipalFm::UPNBtClick);
    separator(catalogos, "N4");
    item(catalogos, "AngularesMn", QStringLiteral("Equal Leg A&ngle Sections"), &TPrincipalFm::AngBtClick);
    separator(catalogos, "N6");
    item(catalogos, "AceroMn", QStringLiteral("&Steel"), &TPrincipalFm::AceroBtClick);

    m_janelasMn = menu(nullptr, bar, "JanelasMn", "&Windows");
    m_windowCommands = {
        item(m_janelasMn, "CascataMn", QStringLiteral("&Cascade"), &TPrincipalFm::CascataMnClick),
        item(m_janelasMn, "LadoaLadoMn", QStringLiteral("&Tile"), &TPrincipalFm::LadoaLadoMnClick),
        item(m_janelasMn, "AutoArranjarMn", QStringLiteral("&Arrange All"), &TPrincipalFm::AutoArranjarMnClick),
        item(m_janelasMn, "MinimizarTodasMn", QStringLiteral("&Minimize All"), &TPrincipalFm::MinimizarTodasMnClick),
        item(m_janelasMn, "FecharTodasMn", QStringLiteral("Cl&ose All"), &TPrincipalFm::FecharTodasMnClick)};
    connect(m_janelasMn, &QMenu::aboutToShow, this, &TPrincipalFm::rebuildWindowsMenu);

    QMenu *empresa = menu(nullptr, bar, "Laempresa1", "Compa&ny");
    item(empresa, "ImagenCorporativaMn", QStringLiteral("&Group Image"), &TPrincipalFm::ImagenCorporativaMnClick);
    item(empresa, "AtencionalClienteMn", QStringLiteral("&Vantiro"), &TPrincipalFm::AtencionalClienteMnClick);
    separator(empresa, "N7");
    const QString site = settings::readInternet(m_context, QStringLiteral("Site"), QString::fromLatin1(kSite));
    item(empresa, "SiteTolmoMn", u'&' + site, &TPrincipalFm::SiteTolmoMnClick);
    QMenu *emails = menu(empresa, nullptr, "EmailsMn", "&E-mail");
    m_mailItems = {item(emails, "EmailComercialMn", QString(), &TPrincipalFm::EmailComercialMnClick),
                   item(emails, "EmailGeneraMn", QString(), &TPrincipalFm::EmailGeneraMnClick),
                   item(emails, "EmailVantiroMn", QString(), &TPrincipalFm::EmailVantiroMnClick)};
    mailCaptions();

    QMenu *ajuda = menu(nullptr, bar, "N1", "&Help");
    QMenu *idioma = menu(ajuda, nullptr, "IdiomaMn", "&Language");
    m_inglesMn = item(idioma, "InglesMn", QStringLiteral("&English"), &TPrincipalFm::InglesMnClick);
    m_espanolMn = item(idioma, "EspanolMn", QStringLiteral("&Spanish"), &TPrincipalFm::EspanolMnClick);
    m_inglesMn->setCheckable(true);
    m_espanolMn->setCheckable(true);
    separator(ajuda, "N11");
    item(ajuda, "IndiceMn", QStringLiteral("&Help Topics"), &TPrincipalFm::IndiceMnClick);
    item(ajuda, "IntroducaoMn", QStringLiteral("&Introduction..."), &TPrincipalFm::IntroducaoMnClick,
         QKeySequence(Qt::Key_F1));
    separator(ajuda, "N16");
    item(ajuda, "CreditosMn", QStringLiteral("&Credits"), &TPrincipalFm::CreditosMnClick);
    separator(ajuda, "N2");
    item(ajuda, "SobreMn", QStringLiteral("&About TOLMO Profile ..."), &TPrincipalFm::SobreMnClick);
}

void TPrincipalFm::mailCaptions()
{
    // The label in the current language, then the address in a column of
    // its own (the menu aligns what follows a tab), so the three addresses
    // line up whatever the labels' widths.
    struct Mail {
        const char *label;
        const char *key;
        const char *address;
    };
    const Mail mails[] = {{"&Sales:", "Comercial", kEmailComercial},
                          {"&General:", "General", kEmailGeneral},
                          {"&Vantiro:", "Vantiro", kEmailVantiro}};
    for (int i = 0; i < m_mailItems.size(); ++i) {
        const Mail &m = mails[i];
        m_mailItems[i]->setText(
            texts::TranslateString(QString::fromLatin1(m.label)) + u'\t'
            + settings::readInternet(m_context, QString::fromLatin1(m.key), QString::fromLatin1(m.address)));
    }
}

void TPrincipalFm::rebuildWindowsMenu()
{
    // The five commands stay; the list of child windows follows them.
    const QList<QAction *> actions = m_janelasMn->actions();
    for (QAction *a : actions) {
        if (!m_windowCommands.contains(a)) {
            m_janelasMn->removeAction(a);
            a->deleteLater();
        }
    }
    const QList<QMdiSubWindow *> children = m_mdi->subWindowList();
    if (children.isEmpty())
        return;
    m_janelasMn->addSeparator();
    int n = 0;
    for (QMdiSubWindow *sub : children) {
        QAction *a = m_janelasMn->addAction(QStringLiteral("&%1 %2").arg(++n).arg(sub->windowTitle()));
        a->setCheckable(true);
        a->setChecked(sub == m_mdi->activeSubWindow());
        connect(a, &QAction::triggered, this,
                guard([this, sub = QPointer<QMdiSubWindow>(sub)] { bringToFront(sub); }));
    }
}

// ------------------------------------------------------------------ Shell

void TPrincipalFm::SetJanela(bool enabled)
{
    for (QAction *a : m_windowCommands)
        a->setEnabled(enabled);
}

int TPrincipalFm::childWindowCount() const { return int(m_mdi->subWindowList().size()); }

void TPrincipalFm::childClosing(QWidget *child)
{
    for (QPointer<FamilyWindow> &ref : m_families) {
        if (ref.data() == child)
            ref = nullptr;
    }
    if (m_acero == child)
        m_acero = nullptr;
}

FamilyWindow *TPrincipalFm::familyWindow(const QString &key) const
{
    const FamilyInfo *family = familyByKey(key);
    return family ? m_families[size_t(family->family)] : nullptr;
}

QPixmap TPrincipalFm::languageLogo(Language language) const
{
    switch (language) {
    case Language::English:
        return m_enLogo;
    case Language::Spanish:
        return m_esLogo;
    }
    return {};
}

// --------------------------------------------------------------- Language

void TPrincipalFm::ChangeIdioma(Language language)
{
    const bool changed = language != m_context.language();
    applyLanguage(language);
    if (changed)
        settings::writeLanguage(m_context, language);
}

void TPrincipalFm::applyLanguage(Language language)
{
    m_context.setLanguage(language);
    WallPaper();
    m_inglesMn->setChecked(language == Language::English);
    m_espanolMn->setChecked(language == Language::Spanish);
    // Every open window is translated again and raises its notice; the
    // dictionary's languages are in the order of the codes.
    m_dictionary->setLanguage(int(language));
    m_find->retranslate();
    // The translated caption; the window title itself may carry the name of
    // a maximized child window.
    app::setApplicationTitle(TranslateString(QString::fromLatin1(app::kNativeTitle)));
    // An open help window shows the same page in the new language.
    HelpViewer::followLanguage(m_context);
}

void TPrincipalFm::WallPaper()
{
    m_img->setPicture(m_context.language() == Language::English ? m_enLogoMDI : m_esLogoMDI);
    if (!m_img->picture().isNull())
        m_color = m_img->picture().toImage().pixelColor(1, 1);
    const QRect screen = this->screen() ? this->screen()->geometry() : QRect(0, 0, 1024, 768);
    const QPoint at = wallPaperPosition(screen.size(), m_img->picture().size());
    m_img->setLeft(at.x());
    m_img->setTop(at.y());
    // A maximized child covers the area: nothing to show at once.
    for (QMdiSubWindow *sub : m_mdi->subWindowList()) {
        if (sub->isMaximized())
            return;
    }
    m_mdi->viewport()->update();
}

QPoint TPrincipalFm::wallPaperPosition(QSize screen, QSize picture)
{
    // Integer division truncating toward zero, as a negative difference may be.
    return {(screen.width() - 4 - picture.width()) / 2, (screen.height() - 134 - picture.height()) / 2};
}

void TPrincipalFm::InglesMnClick() { ChangeIdioma(Language::English); }
void TPrincipalFm::EspanolMnClick() { ChangeIdioma(Language::Spanish); }

// ---------------------------------------------------------- Child windows

void TPrincipalFm::addChild(QWidget *child)
{
    QMdiSubWindow *sub = m_mdi->addSubWindow(child);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    // The window's smallest size with the frame and title bar the style
    // gives it: what Tile and the user's resizing keep to.
    sub->setMinimumSize(sub->minimumSizeHint());
    connect(sub, &QMdiSubWindow::windowStateChanged, this,
            [this, sub](Qt::WindowStates before, Qt::WindowStates now) {
                guarded([&] {
                    // Restored later to the state it had before.
                    if (now.testFlag(Qt::WindowMinimized) && !before.testFlag(Qt::WindowMinimized))
                        sub->setProperty(kRestoreMaximized, before.testFlag(Qt::WindowMaximized));
                    if (!(now & (Qt::WindowMinimized | Qt::WindowMaximized)))
                        keepInside(sub);
                });
            });
    sub->showMaximized();
    // A new window comes to the front even over a maximized one.
    sub->raise();
    m_mdi->setActiveSubWindow(sub);
}

void TPrincipalFm::bringToFront(QMdiSubWindow *sub)
{
    if (!sub)
        return;
    // A minimized window comes back as it was before, maximized or not;
    // activated first, since the client area restores a window it activates.
    const bool minimized = sub->isMinimized();
    sub->show();
    m_mdi->setActiveSubWindow(sub);
    if (minimized) {
        // Straight from minimized to maximized the frame stays normal.
        sub->showNormal();
        if (sub->property(kRestoreMaximized).toBool())
            sub->showMaximized();
    }
    // Brought to the front where the user sees it, also when the client
    // area has shrunk since it was placed.
    if (!sub->isMaximized())
        keepInside(sub);
    sub->raise();
}

void TPrincipalFm::keepInside(QMdiSubWindow *sub)
{
    // The visible part of the client area; a window larger than it keeps
    // its smallest size and its top-left corner in view.
    const QRect area = m_mdi->viewport()->rect();
    QRect g = sub->geometry();
    g.setSize(g.size().boundedTo(area.size()).expandedTo(sub->minimumSize()));
    g.moveLeft(std::clamp(g.left(), area.left(), std::max(area.left(), area.right() + 1 - g.width())));
    g.moveTop(std::clamp(g.top(), area.top(), std::max(area.top(), area.bottom() + 1 - g.height())));
    if (g != sub->geometry())
        sub->setGeometry(g);
}

template <typename W, typename... Args> void TPrincipalFm::openFamily(SectionFamily family, Args... args)
{
    QPointer<FamilyWindow> &reference = m_families[size_t(family)];
    if (reference) {
        bringToFront(qobject_cast<QMdiSubWindow *>(reference->parentWidget()));
        return;
    }
    auto *window = new W(args..., m_context);
    reference = window;
    connect(window, &FamilyWindow::sheetRequested, this,
            [window](int tab) { guarded([&] { sheets::open(window, tab, sheetprint::printSheet); }); });
    connect(window, &FamilyWindow::printRequested, this,
            [window] { guarded([&] { catalogueprint::printFamilyWindow(*window); }); });
    addChild(window);
    window->FormCreate();
}

void TPrincipalFm::HEABtClick() { openFamily<TILPFm>(SectionFamily::HEA, SectionFamily::HEA); }
void TPrincipalFm::HEBBtClick() { openFamily<TILPFm>(SectionFamily::HEB, SectionFamily::HEB); }
void TPrincipalFm::HEMBtClick() { openFamily<TILPFm>(SectionFamily::HEM, SectionFamily::HEM); }
void TPrincipalFm::IPEBtClick() { openFamily<TIPEFm>(SectionFamily::IPE); }
void TPrincipalFm::IPNBtClick() { openFamily<TILIFm>(SectionFamily::IPN); }
void TPrincipalFm::UPNBtClick() { openFamily<TULFm>(SectionFamily::UPN); }
void TPrincipalFm::AngBtClick() { openFamily<TAngFm>(SectionFamily::ANG); }

void TPrincipalFm::AceroBtClick()
{
    if (m_acero) {
        bringToFront(qobject_cast<QMdiSubWindow *>(m_acero->parentWidget()));
        return;
    }
    auto *window = new TAceroFm(m_context);
    m_acero = window;
    connect(window, &TAceroFm::printRequested, this,
            [window] { guarded([&] { catalogueprint::printSteelWindow(*window); }); });
    addChild(window);
    window->FormCreate();
}

// ---------------------------------------------------------- Print commands

void TPrincipalFm::printFamily(SectionFamily family, void (TPrincipalFm::*open)(), int tag)
{
    (this->*open)();
    FamilyWindow *window = m_families[size_t(family)];
    if (!window)
        return;
    window->selectTab(tag);
    catalogueprint::printFamilyWindow(*window);
}

void TPrincipalFm::ImpHEBClick(int tag) { printFamily(SectionFamily::HEB, &TPrincipalFm::HEBBtClick, tag); }
void TPrincipalFm::ImpHEAClick(int tag) { printFamily(SectionFamily::HEA, &TPrincipalFm::HEABtClick, tag); }
void TPrincipalFm::ImpHEMClick(int tag) { printFamily(SectionFamily::HEM, &TPrincipalFm::HEMBtClick, tag); }
void TPrincipalFm::ImpIPEClick(int tag) { printFamily(SectionFamily::IPE, &TPrincipalFm::IPEBtClick, tag); }
void TPrincipalFm::ImpIPNClick(int tag) { printFamily(SectionFamily::IPN, &TPrincipalFm::IPNBtClick, tag); }
void TPrincipalFm::ImpUPNClick(int tag) { printFamily(SectionFamily::UPN, &TPrincipalFm::UPNBtClick, tag); }
void TPrincipalFm::ImpAngClick(int tag) { printFamily(SectionFamily::ANG, &TPrincipalFm::AngBtClick, tag); }

void TPrincipalFm::ImpAceroClick(int tag)
{
    AceroBtClick();
    auto *window = qobject_cast<TAceroFm *>(m_acero.data());
    if (!window)
        return;
    window->selectPage(tag);
    catalogueprint::printSteelWindow(*window);
}

void TPrincipalFm::ImpRelMnClick()
{
    // Each report as its own menu item prints it: a window whose search is
    // in force prints the rows it shows, titled as a selection, and no
    // search dialog opens in the middle of the run. A failure escapes and
    // ends the run at that report.
    for (const catalogueprint::Request &request : catalogueprint::allReports()) {
        if (!request.family) {
            ImpAceroClick(request.tab);
            continue;
        }
        for (const PrintFamily &f : kPrintFamilies)
            if (f.family == request.family->family)
                (this->*f.handler)(request.tab);
    }
}

// ------------------------------------------------------ Export and find

TRxDBGrid *TPrincipalFm::activeGrid() const
{
    const QMdiSubWindow *sub = m_mdi->currentSubWindow();
    QWidget *child = sub ? sub->widget() : nullptr;
    if (auto *family = qobject_cast<FamilyWindow *>(child))
        return family->currentGrid();
    if (auto *steel = qobject_cast<TAceroFm *>(child))
        return steel->currentGrid();
    return nullptr;
}

void TPrincipalFm::ExportarMnClick()
{
    if (const TRxDBGrid *grid = activeGrid())
        gridexport::exportGrid(*grid, m_mdi->currentSubWindow()->widget(), m_context.language());
}

const designation::Catalogue &TPrincipalFm::catalogue()
{
    if (!m_catalogueRead) {
        // Read once; a table that cannot be read is reported once and its
        // sizes are not found.
        m_catalogueRead = true;
        for (const FamilyInfo &family : allFamilies())
            guarded([&] { m_catalogue.add(family, designation::readDesignations(family, m_context.appDir())); });
    }
    return m_catalogue;
}

FamilyWindow *TPrincipalFm::openFamilyWindow(SectionFamily family)
{
    switch (family) {
    case SectionFamily::HEA:
        HEABtClick();
        break;
    case SectionFamily::HEB:
        HEBBtClick();
        break;
    case SectionFamily::HEM:
        HEMBtClick();
        break;
    case SectionFamily::IPE:
        IPEBtClick();
        break;
    case SectionFamily::IPN:
        IPNBtClick();
        break;
    case SectionFamily::UPN:
        UPNBtClick();
        break;
    case SectionFamily::ANG:
        AngBtClick();
        break;
    }
    return m_families[size_t(family)];
}

void TPrincipalFm::findSection(const QString &text, bool sheet)
{
    const designation::Entry *entry = catalogue().find(text);
    if (!entry) {
        m_find->showUnknown(text);
        return;
    }
    m_find->setShown(false);
    FamilyWindow *window = openFamilyWindow(entry->family->family);
    m_find->setText(entry->designation);
    m_find->setFocus();
    if (!window || !window->showSection(entry->designation)) {
        m_find->showUnknown(text);
        return;
    }
    m_find->setShown(true);
    if (sheet)
        window->DatosBtClick();
}

// --------------------------------------------------------- Window commands

void TPrincipalFm::CascataMnClick() { m_mdi->cascadeSubWindows(); }
void TPrincipalFm::LadoaLadoMnClick() { m_mdi->tileSubWindows(); }

void TPrincipalFm::AutoArranjarMnClick()
{
    // Minimized windows line up along the bottom of the client area.
    int x = 0;
    const int h = m_mdi->viewport()->height();
    for (QMdiSubWindow *sub : m_mdi->subWindowList()) {
        if (sub->isMinimized()) {
            sub->move(x, h - sub->height());
            x += sub->width();
        }
    }
}

void TPrincipalFm::MinimizarTodasMnClick()
{
    // The client area maximizes the window it activates after a maximized
    // one is minimized, which would bring back a window already minimized.
    const bool dontMaximize = m_mdi->testOption(QMdiArea::DontMaximizeSubWindowOnActivation);
    m_mdi->setOption(QMdiArea::DontMaximizeSubWindowOnActivation, true);
    const QList<QMdiSubWindow *> children = m_mdi->subWindowList();
    for (auto it = children.crbegin(); it != children.crend(); ++it)
        (*it)->showMinimized();
    m_mdi->setOption(QMdiArea::DontMaximizeSubWindowOnActivation, dontMaximize);
}

void TPrincipalFm::FecharTodasMnClick()
{
    const QList<QMdiSubWindow *> children = m_mdi->subWindowList();
    bool all = true;
    for (auto it = children.crbegin(); it != children.crend(); ++it)
        all = (*it)->close() && all;
    // Every closing window still counted the others; with all of them gone
    // the commands have nothing left to arrange.
    if (all)
        SetJanela(false);
}

void TPrincipalFm::BarraFerramentasMnClick() { m_toolBar->setVisible(m_barraFerramentasMn->isChecked()); }
void TPrincipalFm::BarraStatusMnClick() { statusBar()->setVisible(m_barraStatusMn->isChecked()); }

// ------------------------------------------------------- Help and company

void TPrincipalFm::ImagenCorporativaMnClick() { help::showContext(m_context.helpFile("-Imagen.hlp"), 1); }
void TPrincipalFm::AtencionalClienteMnClick() { help::showContext(m_context.helpFile("-Vantiro.hlp"), 1); }
void TPrincipalFm::IndiceMnClick() { help::showTopics(m_context.helpFile("-PFHelp.hlp")); }
void TPrincipalFm::IntroducaoMnClick() { help::showContext(m_context.helpFile("-PFHelp.hlp"), 1000); }
void TPrincipalFm::CreditosMnClick() { help::showContext(m_context.helpFile("-PFHelp.hlp"), 1042); }

void TPrincipalFm::openLink(const QString &key, const char *defaultValue, bool mail)
{
    const QString value = settings::readInternet(m_context, key, QString::fromLatin1(defaultValue));
    const QString target = mail ? QStringLiteral("mailto:") + value : value;
    // A plain name that is neither a web address nor an existing file is what
    // the desktop cannot find: nothing to report.
    const QUrl url = mail ? QUrl(target) : QUrl::fromUserInput(target);
    if (!url.isValid() || url.isEmpty())
        return;
    if (!QDesktopServices::openUrl(url)) {
        QMessageBox::information(this, app::ApplicationTitle(),
                                 texts::TranslateString(QStringLiteral("It\u00b4s not possible to execute ")) + target);
    }
}

void TPrincipalFm::SiteTolmoMnClick() { openLink(QStringLiteral("Site"), kSite, false); }
void TPrincipalFm::EmailComercialMnClick() { openLink(QStringLiteral("Comercial"), kEmailComercial, true); }
void TPrincipalFm::EmailGeneraMnClick() { openLink(QStringLiteral("General"), kEmailGeneral, true); }
void TPrincipalFm::EmailVantiroMnClick() { openLink(QStringLiteral("Vantiro"), kEmailVantiro, true); }

void TPrincipalFm::SobreMnClick()
{
    TSobreFm about(m_context, this);
    about.exec();
}

// ------------------------------------------------------------------- Exit

void TPrincipalFm::SairMnClick() { close(); }

void TPrincipalFm::closeEvent(QCloseEvent *event)
{
    // The window stays open unless the user confirms; a failure asking is
    // reported and counts as no.
    event->ignore();
    guarded([&] {
        if (m_confirm(this, texts::TranslateString(QStringLiteral("Do you want to exit?"))))
            event->accept();
    });
}
