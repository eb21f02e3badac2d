#include "sheets/SectionSheet.h"

#include "browse/Art.h"
#include "browse/ErrorReport.h"
#include "browse/FamilyWindow.h"
#include "browse/Shell.h"
#include "browse/Texts.h"
#include "browse/WindowChrome.h"
#include "data/DisplayFormat.h"
#include "data/Table.h"
#include "i18n/IvDictionary.h" // IvTranslator.h reads a QPointer<TIvDictionary> inline
#include "i18n/IvTranslator.h"
#include "sheets/TSpeedButton.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QPainterPath>
#include <QPushButton>
#include <QStyle>

#include <cmath>
#include <cstring>

namespace {

// The pictures of the five window designs, named after their art; the HE
// picture serves the three HE series.
struct Picture {
    const char *component;
    const char *art;
};
constexpr Picture kPictures[] = {
    {"ImgHE", "he"}, {"ImgIPE", "ipe"}, {"ImgIPN", "ipn"}, {"ImgUPN", "upn"}, {"ImgAng", "ang"},
};

constexpr int kBarHeight = 30;

// The arrows' glyph, drawn here so it reads at the size of the bar (the
// style's own arrows are a few pixels wide).
QIcon arrowGlyph(bool left)
{
    QPainterPath triangle;
    triangle.addPolygon(left ? QPolygonF({{11, 2}, {3, 8}, {11, 14}}) : QPolygonF({{5, 2}, {13, 8}, {5, 14}}));
    triangle.closeSubpath();
    return chrome::glyph(triangle);
}

} // namespace

SectionSheet::SectionSheet(const SheetLayout &layout, FamilyWindow *window)
    : QDialog(window, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_layout(layout), m_window(window), m_family(window ? &window->family() : nullptr)
{
    setWindowTitle(QStringLiteral("Section"));
    setFixedSize(layout.client);
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, Qt::black);
    setPalette(white);

    for (const Picture &p : kPictures) {
        auto *picture = new QLabel(this);
        picture->setObjectName(QString::fromLatin1(p.component));
        picture->setGeometry(QRect(layout.pictureAt, layout.picture));
        picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        picture->setPixmap(art::pixmap(QLatin1String(layout.art) + QLatin1String(p.art), layout.picture));
        picture->hide();
        m_pictures.append(picture);
    }

    m_perfil = new QLabel(this);
    m_perfil->setObjectName(QStringLiteral("PerfilT"));
    QFont big(QStringLiteral("Arial"));
    big.setPixelSize(24);
    big.setBold(true);
    m_perfil->setFont(big);
    m_perfil->move(layout.designation);

    m_logo = new QLabel(this);
    m_logo->setObjectName(QStringLiteral("ImgLogo"));
    m_logo->setGeometry(QRect(layout.logo, QSize(54, 70)));

    for (int y : layout.lines) {
        auto *line = new QFrame(this);
        line->setObjectName(QStringLiteral("Linha%1").arg(y));
        line->setGeometry(layout.lineLeft, y, layout.lineRight - layout.lineLeft, 1);
        line->setAutoFillBackground(true);
        QPalette grey = line->palette();
        grey.setColor(QPalette::Window, QColor(160, 160, 160));
        line->setPalette(grey);
    }

    QFont values(QStringLiteral("Arial"));
    values.setPixelSize(12);
    for (const SlotPlace &place : layout.places) {
        auto *slot = new QLabel(this);
        slot->setObjectName(QString::fromLatin1(place.name));
        slot->setFont(values);
        slot->move(place.x, place.y);
        m_slots.append(slot);
    }

    buildBottomBar();
    buildMenu();
}

SectionSheet::~SectionSheet() = default;

void SectionSheet::buildBottomBar()
{
    const int width = m_layout.client.width();
    auto *bar = new QFrame(this);
    bar->setObjectName(QStringLiteral("Panel1"));
    bar->setGeometry(0, m_layout.client.height() - kBarHeight, width, kBarHeight);
    bar->setFrameStyle(QFrame::Panel | QFrame::Raised);
    // The bar keeps the desktop's button face; the page above it is white.
    bar->setPalette(QApplication::palette());
    bar->setAutoFillBackground(true);

    m_imprimir = new QPushButton(QStringLiteral("&Print"), bar);
    m_imprimir->setObjectName(QStringLiteral("Imprimir"));
    m_imprimir->setGeometry(4, 3, 90, 24);
    m_helpBtn = new QPushButton(QStringLiteral("&Help"), bar);
    m_helpBtn->setObjectName(QStringLiteral("HelpBtn"));
    m_helpBtn->setGeometry(99, 3, 90, 24);

    const auto arrow = [&](const char *name, const char *hint, bool left, int x) {
        auto *b = new TSpeedButton(bar);
        b->setObjectName(QString::fromLatin1(name));
        b->setToolTip(QString::fromLatin1(hint));
        b->setIcon(arrowGlyph(left));
        b->setIconSize(QSize(16, 16));
        b->setGeometry(x, 3, 38, 24);
        return b;
    };
    m_anterior = arrow("AnteriorBt", "Previous section", true, width - 92);
    m_proximo = arrow("ProximoBt", "Next section", false, width - 49);

    connect(m_imprimir, &QPushButton::clicked, this, guard(this, &SectionSheet::ImprimirClick));
    connect(m_helpBtn, &QPushButton::clicked, this, guard(this, &SectionSheet::HelpBtnClick));
    connect(m_anterior, &QToolButton::clicked, this, guard(this, &SectionSheet::AnteriorMnClick));
    connect(m_proximo, &QToolButton::clicked, this, guard(this, &SectionSheet::ProximoMnClick));
}

void SectionSheet::buildMenu()
{
    m_menu = new QMenu(this);
    m_menu->setObjectName(QStringLiteral("PopupMenu1"));
    const auto item = [&](const char *name, const char *caption, void (SectionSheet::*handler)()) {
        QAction *a = m_menu->addAction(QString::fromLatin1(caption));
        a->setObjectName(QString::fromLatin1(name));
        connect(a, &QAction::triggered, this, guard(this, handler));
        return a;
    };
    item("ImprimirMn", "&Print", &SectionSheet::ImprimirClick);
    m_menu->addSeparator();
    m_anteriorMn = item("AnteriorMn", "P&revious", &SectionSheet::AnteriorMnClick);
    m_proximoMn = item("ProximoMn", "&Next", &SectionSheet::ProximoMnClick);
    m_menu->addSeparator();
    item("CerrarMn", "&Close", &SectionSheet::CerrarMnClick);
}

void SectionSheet::finishConstruction()
{
    FormCreate();
    m_translator = texts::makeTranslator(this, "(1 3 ('*' 'Hint' 0) ('*' 'Caption' 0) ('TSpeedButton' 'Hint' 0))");
    connect(m_translator, &TIvTranslator::OnLanguageChange, this, guard(this, &SectionSheet::IvTranslator1LanguageChange));
    m_translator->loaded();
}

void SectionSheet::FormCreate()
{
    for (int i = 0; i < m_pictures.size(); ++i)
        m_pictures[i]->setVisible(m_family && std::strcmp(kPictures[i].art, m_family->window->art) == 0);
}

void SectionSheet::Atualiza(int step)
{
    if (!m_window || !m_family) {
        enableSteps(-1, 0);
        return;
    }
    Table &table = *m_window->sectionTable();
    // The table's own moves stop at either end, so the same section is
    // filled again there; its filter keeps the search's rejects out.
    if (step < 0)
        table.prior();
    else if (step > 0)
        table.next();

    const SheetTexts shown = texts(table, *m_family);
    m_perfil->setText(shown.designation);
    m_perfil->adjustSize();
    for (QLabel *slot : m_slots) {
        slot->setText(shown.slot(slot->objectName()));
        slot->adjustSize();
    }
    setWindowTitle(m_perfil->text());
    fillMore(table, *m_family);
    enableSteps(table.currentRow(), table.recordCount());
}

void SectionSheet::enableSteps(int row, int rows)
{
    const bool previous = row > 0 && row < rows;
    const bool next = row >= 0 && row < rows - 1;
    m_anterior->setEnabled(previous);
    m_anteriorMn->setEnabled(previous);
    m_proximo->setEnabled(next);
    m_proximoMn->setEnabled(next);
}

SheetTexts SectionSheet::fillTexts(const SheetLayout &layout, const Table &table, const SheetFills &fills)
{
    SheetTexts texts;
    texts.designation = table.field(QStringLiteral("Designation")).asString();
    for (const SlotPlace &place : layout.places) {
        const SlotFill *fill = fills.find(place.name);
        texts.values.append({QString::fromLatin1(place.name), fill ? slotText(table, *fill) : QString()});
    }
    return texts;
}

FamilyWindow *SectionSheet::window() const { return m_window.data(); }

SheetTexts SectionSheet::shownTexts() const
{
    SheetTexts shown;
    shown.designation = m_perfil->text();
    for (const QLabel *slot : m_slots)
        shown.values.append({slot->objectName(), slot->text()});
    return shown;
}

QString SheetTexts::slot(const QString &name) const
{
    for (const auto &[slotName, text] : values)
        if (slotName == name)
            return text;
    return {};
}

void SheetTexts::setSlot(const QString &name, const QString &text)
{
    for (auto &[slotName, current] : values)
        if (slotName == name)
            current = text;
}

QString SectionSheet::slotText(const Table &table, const SlotFill &fill)
{
    const FieldRef field = table.field(QString::fromLatin1(fill.field));
    if (field.isNull())
        return {};
    return QString::fromLatin1(fill.prefix) + field.displayText(display::systemDecimalPoint())
           + QString::fromLatin1(fill.unit);
}

QLabel *SectionSheet::slotLabel(const QString &name) const
{
    for (QLabel *slot : m_slots) {
        if (slot->objectName() == name)
            return slot;
    }
    return nullptr;
}

void SectionSheet::ProximoMnClick() { Atualiza(1); }
void SectionSheet::AnteriorMnClick() { Atualiza(-1); }
void SectionSheet::CerrarMnClick() { close(); }

void SectionSheet::HelpBtnClick()
{
    // The help file follows the language of the sheet's window.
    if (m_window)
        help::showContext(m_window->context().helpFile("-PFHelp.hlp"), kHelpContext);
}

void SectionSheet::ImprimirClick() { emit printRequested(); }

void SectionSheet::IvTranslator1LanguageChange()
{
    if (!m_window)
        return;
    if (Shell *shell = Shell::instance()) {
        const QPixmap logo = shell->languageLogo(m_window->context().language());
        if (!logo.isNull())
            m_logo->setPixmap(logo);
    }
}

void SectionSheet::contextMenuEvent(QContextMenuEvent *event)
{
    // The labels and pictures pass the request on, so the menu opens
    // anywhere on the page.
    m_menu->popup(event->globalPos());
}
