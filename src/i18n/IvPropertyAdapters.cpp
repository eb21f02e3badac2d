#include "i18n/IvPropertyAdapters.h"

#include <QAbstractButton>
#include <QAbstractItemModel>
#include <QAbstractSpinBox>
#include <QAction>
#include <QCalendarWidget>
#include <QComboBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMetaProperty>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QToolButton>

namespace ivadapter {

namespace {

template <typename T> T *as(QObject *o) { return static_cast<T *>(o); }

// A tool button that shows an action takes its texts from the action,
// which is translated in its own right.
bool ownTexts(QObject *o, const QObject *)
{
    const auto *tool = qobject_cast<QToolButton *>(o);
    return !tool || !tool->defaultAction();
}

bool inStatusBar(QObject *o, const QObject *) { return qobject_cast<QStatusBar *>(o->parent()) != nullptr; }
bool notInStatusBar(QObject *o, const QObject *root) { return !inStatusBar(o, root); }
bool isRoot(QObject *o, const QObject *root) { return o == root; }

// Objects that are not widgets and publish their text as a string property
// named Caption: the printed labels of the reports.
bool publishesCaption(QObject *o, const QObject *)
{
    if (o->isWidgetType())
        return false;
    const int index = o->metaObject()->indexOfProperty("Caption");
    return index >= 0 && o->metaObject()->property(index).metaType().id() == QMetaType::QString;
}

QTabWidget *tabWidgetOfPage(QObject *o)
{
    auto *stack = qobject_cast<QStackedWidget *>(o->parent());
    auto *tabs = stack ? qobject_cast<QTabWidget *>(stack->parent()) : nullptr;
    return tabs && tabs->indexOf(as<QWidget>(o)) >= 0 ? tabs : nullptr;
}

bool isTabPage(QObject *o, const QObject *) { return tabWidgetOfPage(o) != nullptr; }

// Qt's own tooltip of an action is its text without "&"; only a tooltip
// that was set is the action's hint.
QString actionHint(QObject *o)
{
    const auto *action = as<QAction>(o);
    QString stripped = action->text();
    stripped.remove(QLatin1String("..."));
    for (qsizetype i = 0; i < stripped.size(); ++i)
        if (stripped.at(i) == u'&')
            stripped.remove(i, 1);
    // Qt trims the text it derives ("&About ..." gives "About").
    return action->toolTip() == stripped.trimmed() ? QString() : action->toolTip();
}

QString withoutTrailingLineEnds(QString text)
{
    while (text.endsWith(u'\n') || text.endsWith(u'\r'))
        text.chop(1);
    return text;
}

QList<QAbstractButton *> navigatorButtons(QObject *o)
{
    return o->findChildren<QAbstractButton *>(QString(), Qt::FindDirectChildrenOnly);
}

QAbstractItemModel *headerModel(QObject *o) { return as<QTableView>(o)->model(); }

const QList<TIvPropertyAdapter> kAdapters = {
    // Caption
    {.qtClass = "QWidget", .targets = "Caption", .applies = isRoot,
     .get = [](QObject *o) { return as<QWidget>(o)->windowTitle(); },
     .set = [](QObject *o, const QString &s) { as<QWidget>(o)->setWindowTitle(s); }},
    {.qtClass = "QAbstractButton", .targets = "Caption", .applies = ownTexts,
     .get = [](QObject *o) { return as<QAbstractButton>(o)->text(); },
     .set = [](QObject *o, const QString &s) { as<QAbstractButton>(o)->setText(s); }},
    {.qtClass = "QLabel", .targets = "Caption", .applies = notInStatusBar,
     .get = [](QObject *o) { return as<QLabel>(o)->text(); },
     .set = [](QObject *o, const QString &s) { as<QLabel>(o)->setText(s); }},
    {.qtClass = "QGroupBox", .targets = "Caption",
     .get = [](QObject *o) { return as<QGroupBox>(o)->title(); },
     .set = [](QObject *o, const QString &s) { as<QGroupBox>(o)->setTitle(s); }},
    {.qtClass = "QAction", .targets = "Caption",
     .get = [](QObject *o) { return as<QAction>(o)->isSeparator() ? QString() : as<QAction>(o)->text(); },
     .set = [](QObject *o, const QString &s) { as<QAction>(o)->setText(s); },
     .menuItem = true},
    {.qtClass = "QWidget", .targets = "Caption", .applies = isTabPage,
     .get = [](QObject *o) { return tabWidgetOfPage(o)->tabText(tabWidgetOfPage(o)->indexOf(as<QWidget>(o))); },
     .set = [](QObject *o, const QString &s) { tabWidgetOfPage(o)->setTabText(tabWidgetOfPage(o)->indexOf(as<QWidget>(o)), s); }},
    {.qtClass = "QObject", .targets = "Caption", .applies = publishesCaption,
     .get = [](QObject *o) { return o->property("Caption").toString(); },
     .set = [](QObject *o, const QString &s) { o->setProperty("Caption", s); }},
    // Grid column titles: the horizontal header of the view's model.
    {.qtClass = "QTableView", .targets = "DisplayLabel|Caption",
     .count = [](QObject *o) { return headerModel(o) ? headerModel(o)->columnCount() : 0; },
     .item = [](QObject *o, int i) { return headerModel(o)->headerData(i, Qt::Horizontal, Qt::DisplayRole).toString(); },
     .setItem = [](QObject *o, int i, const QString &s) { headerModel(o)->setHeaderData(i, Qt::Horizontal, s, Qt::DisplayRole); },
     .listObject = [](QObject *o) -> QObject * { return headerModel(o); }},
    // Status bar texts
    {.qtClass = "QLabel", .targets = "SimpleText|Text|Caption", .applies = inStatusBar,
     .get = [](QObject *o) { return as<QLabel>(o)->text(); },
     .set = [](QObject *o, const QString &s) { as<QLabel>(o)->setText(s); }},
    {.qtClass = "QStatusBar", .targets = "SimpleText",
     .get = [](QObject *o) { return as<QStatusBar>(o)->currentMessage(); },
     .set = [](QObject *o, const QString &s) { as<QStatusBar>(o)->showMessage(s); }},
    // Text
    {.qtClass = "QLineEdit", .targets = "Text",
     .get = [](QObject *o) { return as<QLineEdit>(o)->text(); },
     .set = [](QObject *o, const QString &s) { as<QLineEdit>(o)->setText(s); }},
    {.qtClass = "QPlainTextEdit", .targets = "Text",
     .get = [](QObject *o) { return withoutTrailingLineEnds(as<QPlainTextEdit>(o)->toPlainText()); },
     .set = [](QObject *o, const QString &s) { as<QPlainTextEdit>(o)->setPlainText(s); }},
    // Items
    {.qtClass = "QComboBox", .targets = "Items",
     .applies = [](QObject *o, const QObject *) { return !as<QWidget>(o)->isHidden(); },
     .count = [](QObject *o) { return as<QComboBox>(o)->count(); },
     .item = [](QObject *o, int i) { return as<QComboBox>(o)->itemText(i); },
     .setItem = [](QObject *o, int i, const QString &s) { as<QComboBox>(o)->setItemText(i, s); }},
    {.qtClass = "QListWidget", .targets = "Items",
     .count = [](QObject *o) { return as<QListWidget>(o)->count(); },
     .item = [](QObject *o, int i) { return as<QListWidget>(o)->item(i)->text(); },
     .setItem = [](QObject *o, int i, const QString &s) { as<QListWidget>(o)->item(i)->setText(s); },
     // A sorted list is unsorted while its items change and sorted again after.
     .begin = [](QObject *o) { o->setProperty("_ivSorted", as<QListWidget>(o)->isSortingEnabled()); as<QListWidget>(o)->setSortingEnabled(false); },
     .end = [](QObject *o) { as<QListWidget>(o)->setSortingEnabled(o->property("_ivSorted").toBool()); o->setProperty("_ivSorted", QVariant()); }},
    // Hints
    {.qtClass = "QWidget", .targets = "Hint", .applies = ownTexts,
     .get = [](QObject *o) { return as<QWidget>(o)->toolTip(); },
     .set = [](QObject *o, const QString &s) { as<QWidget>(o)->setToolTip(s); }},
    {.qtClass = "QAction", .targets = "Hint",
     .get = actionHint,
     .set = [](QObject *o, const QString &s) { as<QAction>(o)->setToolTip(s); }},
    // The button hints of a data navigator (a widget of class TDBNavigator
    // whose direct child buttons are First, Prior, Next, Last).
    {.qtClass = "TDBNavigator", .targets = "Hints",
     .count = [](QObject *o) { return static_cast<int>(navigatorButtons(o).size()); },
     .item = [](QObject *o, int i) { return navigatorButtons(o).at(i)->toolTip(); },
     .setItem = [](QObject *o, int i, const QString &s) { navigatorButtons(o).at(i)->setToolTip(s); }},
    // File dialogs: their title and filters. Nothing in the program shows one.
    {.qtClass = "QFileDialog", .targets = "Title",
     .get = [](QObject *o) { return as<QWidget>(o)->windowTitle(); },
     .set = [](QObject *o, const QString &s) { as<QWidget>(o)->setWindowTitle(s); }},
    {.qtClass = "QFileDialog", .targets = "Filter",
     .count = [](QObject *o) { return static_cast<int>(as<QFileDialog>(o)->nameFilters().size()); },
     .item = [](QObject *o, int i) { return as<QFileDialog>(o)->nameFilters().at(i); },
     .setItem = [](QObject *o, int i, const QString &s) {
         QStringList filters = as<QFileDialog>(o)->nameFilters();
         filters[i] = s;
         as<QFileDialog>(o)->setNameFilters(filters);
     }},
};

} // namespace

const QList<TIvPropertyAdapter> &adapters() { return kAdapters; }

bool opaque(const QObject *o)
{
    return qobject_cast<const QComboBox *>(o) || qobject_cast<const QAbstractSpinBox *>(o) ||
           qobject_cast<const QAbstractItemView *>(o) || qobject_cast<const QTabBar *>(o) ||
           qobject_cast<const QCalendarWidget *>(o) || qobject_cast<const QLineEdit *>(o) ||
           qobject_cast<const QFileDialog *>(o) || o->inherits("TDBNavigator");
}

} // namespace ivadapter
