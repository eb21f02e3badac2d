#include "browse/SearchDialog.h"

#include "browse/ErrorReport.h"
#include "browse/Texts.h"
#include "i18n/IvDictionary.h"
#include "i18n/IvTranslator.h"

#include "browse/Shell.h"
#include "browse/TBoundEdit.h"
#include "browse/WindowChrome.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionGroupBox>

#include <algorithm>

namespace {

// Layout of the dialogs in pixels of the client area. Row controls sit in
// the group box's coordinates.
constexpr int kGroupLeft = 4;
constexpr int kGroupTop = 4;
constexpr int kGroupGapAboveButtons = 6;
constexpr int kRowPitch = 24;
constexpr int kCheckLeft = 14, kCheckWidth = 75, kCheckHeight = 17, kCheckDrop = 2;
constexpr int kListLeft = 90, kListWidth = 80;
constexpr int kFirstLeft = 178, kSecondLeft = 234, kBoundWidth = 51;
constexpr int kRowHeight = 21;
constexpr int kButtonWidth = 75, kButtonHeight = 25, kButtonGap = 19;

// The mode list's items in CriterionMode order: the chosen index is the mode.
constexpr const char *kModeItems[] = {"more than", "less than", "between"};

} // namespace

SearchDialog::SearchDialog(const SearchDialogDesign &design, Criteria criteria, const AppContext &context,
                           QWidget *parent)
    : QDialog(parent), m_context(&context)
{
    setObjectName(QString::fromLatin1(design.formName));
    setWindowTitle(QStringLiteral("Section Search"));
    // A fixed-size dialog with a close box and no other title-bar button.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);

    auto *group = new QGroupBox(QStringLiteral(" Select the variables to the search "), this);
    group->setObjectName(QStringLiteral("GroupBox1"));
    // The first check box sits as far below the group box's frame line as
    // each check box below the one above it, and the last as far above the
    // frame's foot; the dialog grows where its design leaves too little room.
    const int gap = kRowPitch - kCheckHeight;
    const int firstRowTop = frameTop(group) + 1 + gap - kCheckDrop;
    const int lastCheckBottom =
        firstRowTop + int(std::max<qsizetype>(criteria.size() - 1, 0)) * kRowPitch + kCheckDrop + kCheckHeight;
    const int designedHeight = design.buttonsTop - kGroupGapAboveButtons - kGroupTop;
    const int groupHeight = std::max(designedHeight, lastCheckBottom + gap + 1);
    const int grow = groupHeight - designedHeight;
    setFixedSize(design.clientSize + QSize(0, grow));
    group->setGeometry(kGroupLeft, kGroupTop, design.clientSize.width() - 2 * kGroupLeft, groupHeight);

    buildRows(group, criteria, firstRowTop);
    buildButtons(design, design.buttonsTop + grow);
    setKeyboardOrder();
    createTranslator();
    AjustaVisao();
    chrome::centreOnScreen(this);
}

int SearchDialog::frameTop(const QGroupBox *group)
{
    QStyleOptionGroupBox option;
    option.initFrom(group);
    option.text = group->title();
    option.lineWidth = 1;
    option.textAlignment = group->alignment();
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    // The contents begin at the frame line where the style draws the line
    // under the title (Fusion), and just under the title where the line
    // runs through it.
    return group->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxContents, group).top();
}

void SearchDialog::buildRows(QGroupBox *group, Criteria criteria, int top)
{
    QStringList modes;
    for (const char *item : kModeItems)
        modes << QString::fromLatin1(item);

    for (const Criterion &c : criteria) {
        const QString component = QString::fromLatin1(c.component);
        Row row;
        row.check = new QCheckBox(QStringLiteral("%1 (%2)").arg(QLatin1String(c.label), QLatin1String(c.unit)), group);
        row.check->setObjectName(component + QStringLiteral("ChT"));
        row.check->setGeometry(kCheckLeft, top + kCheckDrop, kCheckWidth, kCheckHeight);

        row.list = new QComboBox(group);
        row.list->setObjectName(c.listName ? QString::fromLatin1(c.listName) : component + QStringLiteral("CBT"));
        row.list->addItems(modes);
        row.list->setGeometry(kListLeft, top, kListWidth, kRowHeight);

        row.first = new TBoundEdit(group);
        row.first->setObjectName(component + QStringLiteral("1T"));
        row.first->setToolTip(QStringLiteral("Inferior bound"));
        row.first->setMaximum(c.largestBound);
        row.first->setGeometry(kFirstLeft, top, kBoundWidth, kRowHeight);

        row.second = new TBoundEdit(group);
        row.second->setObjectName(component + QStringLiteral("2T"));
        row.second->setToolTip(QStringLiteral("Superior bound"));
        row.second->setMaximum(c.largestBound);
        row.second->setGeometry(kSecondLeft, top, kBoundWidth, kRowHeight);

        // Any tick or choice changes what the whole dialog shows.
        connect(row.check, &QCheckBox::toggled, this, &SearchDialog::AjustaVisao);
        connect(row.list, &QComboBox::currentIndexChanged, this, &SearchDialog::AjustaVisao);

        m_rows.append(row);
        top += kRowPitch;
    }
}

void SearchDialog::buildButtons(const SearchDialogDesign &design, int top)
{
    const int rowWidth = 3 * kButtonWidth + 2 * kButtonGap;
    int left = (design.clientSize.width() - rowWidth) / 2;
    auto button = [&](const QString &caption, const char *name) {
        auto *b = new QPushButton(caption, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setGeometry(left, top, kButtonWidth, kButtonHeight);
        left += kButtonWidth + kButtonGap;
        return b;
    };
    // Plain captions: at 75 pixels a glyph crowds "Cancel" in larger fonts.
    m_okBt = button(QStringLiteral("O&k"), "OkBt");
    m_cancelBt = button(QStringLiteral("&Cancel"), design.cancelName);
    m_ayudaBt = button(QStringLiteral("&Help"), "AyudaBt");

    // Enter anywhere but on another button confirms; Escape and the close box
    // end up in reject() through QDialog.
    m_okBt->setDefault(true);
    connect(m_okBt, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancelBt, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_ayudaBt, &QPushButton::clicked, this, guard(this, &SearchDialog::AyudaBtClick));
}

void SearchDialog::setKeyboardOrder()
{
    QWidget *previous = nullptr;
    auto chain = [&previous](QWidget *w) {
        if (previous)
            QWidget::setTabOrder(previous, w);
        previous = w;
    };
    for (const Row &row : std::as_const(m_rows)) {
        chain(row.check);
        chain(row.list);
        chain(row.first);
        chain(row.second);
    }
    chain(m_okBt);
    chain(m_cancelBt);
    chain(m_ayudaBt);
    if (!m_rows.isEmpty())
        m_rows.front().check->setFocus();
}

void SearchDialog::createTranslator()
{
    // Before AjustaVisao hides the lists of unticked rows: a hidden list
    // keeps the items it has when a translation runs.
    texts::makeTranslator(this, "(1 3 ('*' 'Hint' 0) ('*' 'Caption' 0) ('*' 'Items' 0))")->loaded();
}

const SearchDialog::Row *SearchDialog::rowAt(int row) const
{
    if (row < 1 || row > m_rows.size())
        return nullptr;
    return &m_rows[row - 1];
}

void SearchDialog::AjustaVisao()
{
    for (const Row &row : std::as_const(m_rows)) {
        const bool ticked = row.check->isChecked();
        row.list->setVisible(ticked);
        row.first->setVisible(ticked);
        row.second->setVisible(ticked && row.list->currentIndex() == Between);
    }
}

void SearchDialog::AjustaDados(const SearchCriterion &c, int row)
{
    if (const Row *r = rowAt(row)) {
        r->check->setChecked(c.Enabled);
        r->list->setCurrentIndex(std::clamp<int>(c.Mode, MoreThan, Between));
        r->first->setValue(c.Bound1);
        r->second->setValue(c.Bound2);
    }
    AjustaVisao();
}

SearchCriterion SearchDialog::LeDados(int row) const
{
    const Row *r = rowAt(row);
    if (!r)
        return {};
    SearchCriterion c;
    c.Enabled = r->check->isChecked();
    c.Mode = static_cast<CriterionMode>(r->list->currentIndex());
    c.Bound1 = r->first->value();
    c.Bound2 = r->second->value();
    return c;
}

void SearchDialog::AyudaBtClick() { help::showContext(m_context->helpFile("-PFHelp.hlp"), kHelpContext); }
