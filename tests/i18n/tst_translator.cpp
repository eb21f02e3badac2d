// The translator: which texts of a window it reaches, how it keeps their
// native forms across language changes, its notices and its life with the
// dictionary.
#include "I18nTestSupport.h"
#include "i18n/IvBinaryDictionary.h"
#include "i18n/IvErrors.h"
#include "i18n/IvTranslator.h"

#include <QAbstractItemModelTester>
#include <QAbstractTableModel>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <memory>

Q_DECLARE_METATYPE(TIvMissingTranslation)

namespace {

const QString kAllTargets = QStringLiteral(
    "(1 9 ('*' 'Hint' 0) ('*' 'Caption' 0) ('*' 'Items' 0) ('*' 'Hints' 0) ('*' 'Text' 0) ('*' 'SimpleText' 0) "
    "('*' 'DisplayLabel' 0) ('*' 'Title' 0) ('*' 'Filter' 0))");

// A grid model whose column titles are the fields' display labels.
class FieldModel : public QAbstractTableModel {
    Q_OBJECT
public:
    FieldModel(const QStringList &labels, QObject *parent) : QAbstractTableModel(parent), m_labels(labels) {}
    int rowCount(const QModelIndex &parent = {}) const override { return parent.isValid() ? 0 : 2; }
    int columnCount(const QModelIndex &parent = {}) const override { return parent.isValid() ? 0 : int(m_labels.size()); }
    QVariant data(const QModelIndex &, int) const override { return {}; }
    QVariant headerData(int section, Qt::Orientation o, int role) const override
    {
        if (o == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < m_labels.size())
            return m_labels.at(section);
        return {};
    }
    bool setHeaderData(int section, Qt::Orientation o, const QVariant &value, int role) override
    {
        if (o != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= m_labels.size())
            return false;
        m_labels[section] = value.toString();
        emit headerDataChanged(o, section, section);
        return true;
    }

private:
    QStringList m_labels;
};

} // namespace

// The data navigator's class name is what the "Hints" target looks for.
class TDBNavigator : public QWidget {
    Q_OBJECT
public:
    explicit TDBNavigator(QWidget *parent) : QWidget(parent)
    {
        auto *layout = new QHBoxLayout(this);
        for (const char *hint : {"First record", "Prior record", "Next record", "Last record"}) {
            auto *b = new QToolButton(this);
            b->setToolTip(QString::fromLatin1(hint));
            layout->addWidget(b);
        }
    }
};

class TSpeedButton : public QToolButton {
    Q_OBJECT
public:
    using QToolButton::QToolButton;
};

// An object that is not a widget and publishes its text as Caption, as the
// printed labels of the reports do.
class TPrintedLabel : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ caption WRITE setCaption)
public:
    TPrintedLabel(const QString &caption, QObject *parent) : QObject(parent), m_caption(caption) {}
    QString caption() const { return m_caption; }
    void setCaption(const QString &caption) { m_caption = caption; }

private:
    QString m_caption;
};

class TBaseFm : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;
};

// A window with one control of every kind the translator reaches.
class TTestFm : public TBaseFm {
    Q_OBJECT
public:
    explicit TTestFm(const QString &targets = kAllTargets, QWidget *parent = nullptr) : TBaseFm(parent)
    {
        setObjectName("TestFm");
        setWindowTitle("HEB Sections");
        auto *layout = new QVBoxLayout(this);
        const auto add = [layout](QWidget *w, const char *name) {
            w->setObjectName(QString::fromLatin1(name));
            layout->addWidget(w);
            return w;
        };
        auto *menuBar = static_cast<QMenuBar *>(add(new QMenuBar(this), "MainMenu1"));
        QMenu *file = menuBar->addMenu("&File");
        file->setObjectName("ArquivoMn");
        file->addAction("&Print")->setObjectName("ImprimirMn");
        file->addSeparator();
        file->addAction("E&xit")->setObjectName("SairMn");
        auto *toolBar = static_cast<QToolBar *>(add(new QToolBar(this), "ToolBarT"));
        QAction *print = toolBar->addAction("Print");
        print->setObjectName("PrintAct");
        print->setToolTip("Print the report related to active table");
        toolBar->widgetForAction(print)->setObjectName("PrintActBt");
        add(new QPushButton("&Close", this), "OKBtn")->setToolTip("Close");
        add(new QLabel("Properties", this), "LabelPanel");
        add(new QGroupBox(" Select the variables to the search ", this), "GroupBox1");
        add(new QCheckBox("h  (mm)", this), "hChT");
        for (const char *name : {"hCBT", "hiddenCBT"})
            static_cast<QComboBox *>(add(new QComboBox(this), name))->addItems({"more than", "less than", "between"});
        findChild<QComboBox *>("hiddenCBT")->hide();
        static_cast<QListWidget *>(add(new QListWidget(this), "ToleranciasLB"))->addItems({"Flatness", "Length"});
        add(new QLineEdit("Close", this), "EditT");
        add(new QPlainTextEdit("Close\n\n", this), "MemoT");
        auto *tabs = static_cast<QTabWidget *>(add(new QTabWidget(this), "PageControl1"));
        for (const char *page : {"TabSheet1", "TabSheet2"}) {
            auto *w = new QWidget;
            w->setObjectName(QString::fromLatin1(page));
            tabs->addTab(w, page == QLatin1String("TabSheet1") ? "Properties" : "Tolerances");
        }
        model = new FieldModel({"Designation", "M (kg/m)", "dmax bolt"}, this);
        new QAbstractItemModelTester(model, QAbstractItemModelTester::FailureReportingMode::QtTest, model);
        // Two views of one model, as a grid with frozen columns has.
        for (const char *name : {"RxDBGrid1", "FrozenView"})
            static_cast<QTableView *>(add(new QTableView(this), name))->setModel(model);
        add(new TDBNavigator(this), "DBNavigator1");
        add(new TSpeedButton(this), "ProximoBt")->setToolTip("Next section");
        add(new QToolButton(this), "PlainToolBt")->setToolTip("Next section");
        auto *status = static_cast<QStatusBar *>(add(new QStatusBar(this), "StatusBar1"));
        auto *statusLabel = new QLabel("Steel", status);
        statusLabel->setObjectName("StatusBar");
        status->addPermanentWidget(statusLabel);
        status->showMessage("Products Catalogue");
        // A label of a report band: an object in the window's tree that is no widget.
        auto *band = new QObject(this);
        band->setObjectName("PageHeaderBand1");
        new TPrintedLabel("Tolerances", band);
        band->children().first()->setObjectName("QRLabel1");

        translator = new TIvTranslator(this);
        translator->setObjectName("IvTranslator1");
        translator->setDictionaryName("Dictionary1");
        translator->setTargetsData(targets);
    }

    TIvTranslator *translator = nullptr;
    FieldModel *model = nullptr;
};

namespace {

// What a row of the adapter table reads: a Qt property of the named object,
// or an item of a list ("item2", "header0", "button3", "tab", "message").
QString readText(QWidget *root, const QString &name, const QString &what)
{
    QObject *o = name == root->objectName() ? root : root->findChild<QObject *>(name);
    if (!o)
        return QStringLiteral("<no %1>").arg(name);
    const int index = what.right(1).toInt();
    if (what.startsWith("item")) {
        if (auto *combo = qobject_cast<QComboBox *>(o))
            return combo->itemText(index);
        return static_cast<QListWidget *>(o)->item(index)->text();
    }
    if (what.startsWith("header"))
        return static_cast<QTableView *>(o)->model()->headerData(index, Qt::Horizontal).toString();
    if (what.startsWith("button"))
        return o->findChildren<QToolButton *>(QString(), Qt::FindDirectChildrenOnly).at(index)->toolTip();
    if (what == "tab") {
        auto *tabs = root->findChild<QTabWidget *>("PageControl1");
        return tabs->tabText(tabs->indexOf(static_cast<QWidget *>(o)));
    }
    if (what == "message")
        return static_cast<QStatusBar *>(o)->currentMessage();
    return o->property(what.toLatin1().constData()).toString();
}

} // namespace

class TestTranslator : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void translatesEveryTarget_data();
    void translatesEveryTarget();
    void translatesEachTextOnce();
    void nativeTextsComeBack();
    void textsWrittenByTheProgram();
    void secondTranslateRaisesNoEvent();
    void languageChangeRetranslates();
    void targetClassIsExact_data();
    void targetClassIsExact();
    void hiddenComboKeepsItsItems();
    void missingTranslation_data();
    void missingTranslation();
    void contextsFollowTheWindowClass();
    void noDictionary();
    void missingFileTranslatesNothing();
    void emptyTargetsTranslateNothing();
    void registrationAndRelease();
    void anotherDictionaryUntranslates();
    void otherWindowsAreLeftAlone();
    void qtStandardButtonsFollowTheLanguage();
    void windowFontFollowsTheLanguage();

private:
    std::unique_ptr<TIvMemoryDictionary> m_dict;
};

void TestTranslator::init()
{
    m_dict = std::make_unique<TIvMemoryDictionary>(nullptr, "Dictionary1");
    i18ntest::fillEnglishSpanish(*m_dict);
    const QList<QPair<QString, QString>> spanish = {
        {"HEB Sections", "Perfiles HEB"},
        {"HEA Sections", "Perfiles HEA"},
        {"HEM Sections", "Perfiles HEM"},
        {"&Close", "&Cerrar"},
        {"Close", "Cerrar"},
        {"Properties", "Propiedades"},
        {"Tolerances", "Tolerancias"},
        {" Select the variables to the search ", QString::fromUtf8(" Seleccione las variables de la búsqueda ")},
        {"more than", "mayor que"},
        {"less than", "menor que"},
        {"between", "entre"},
        {"Flatness", "Planicidad"},
        {"Length", "Longitud"},
        {"Designation", QString::fromUtf8("Designación")},
        {"dmax bolt", "dmax tornillo"},
        {"First record", "Primer registro"},
        {"Prior record", "Registro anterior"},
        {"Next record", "Registro siguiente"},
        {"Last record", QString::fromUtf8("Último registro")},
        {"Next section", "Perfil siguiente"},
        {"Steel", "Acero"},
        {"Products Catalogue", QString::fromUtf8("Catálogo de Productos")},
        {"&File", "&Archivo"},
        {"Print", "Imprimir"},
        {"E&xit", "&Salir"},
        {"Print the report related to active table", "Imprimir el informe de la tabla activa"},
        {"OK", "Aceptar"},
        {"Cancel", "Cancelar"},
        {"Help", "Ayuda"},
        {"&Yes", QString::fromUtf8("&Sí")},
        {"&No", "&No"},
    };
    for (const auto &[native, es] : spanish)
        m_dict->addTranslation(native, {native, es});
    m_dict->open();
    m_dict->setLanguage(2);
}

void TestTranslator::cleanup() { m_dict.reset(); }

void TestTranslator::translatesEveryTarget_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("what");
    QTest::addColumn<QString>("spanish");
    QTest::addColumn<QString>("english"); // after switching back

    QTest::newRow("window caption") << "TestFm" << "windowTitle" << "Perfiles HEB" << "HEB Sections";
    QTest::newRow("button caption") << "OKBtn" << "text" << "&Cerrar" << "&Close";
    QTest::newRow("button hint") << "OKBtn" << "toolTip" << "Cerrar" << "Close";
    QTest::newRow("label") << "LabelPanel" << "text" << "Propiedades" << "Properties";
    QTest::newRow("group box") << "GroupBox1" << "title" << QString::fromUtf8(" Seleccione las variables de la búsqueda ")
                               << " Select the variables to the search ";
    QTest::newRow("caption without translation") << "hChT" << "text" << "h  (mm)" << "h  (mm)";
    QTest::newRow("combo box item") << "hCBT" << "item2" << "entre" << "between";
    QTest::newRow("list box item") << "ToleranciasLB" << "item1" << "Longitud" << "Length";
    QTest::newRow("edit text") << "EditT" << "text" << "Cerrar" << "Close";
    QTest::newRow("memo without trailing line ends") << "MemoT" << "plainText" << "Cerrar" << "Close";
    QTest::newRow("tab caption") << "TabSheet2" << "tab" << "Tolerancias" << "Tolerances";
    QTest::newRow("grid column title") << "RxDBGrid1" << "header0" << QString::fromUtf8("Designación") << "Designation";
    QTest::newRow("grid column of symbols") << "RxDBGrid1" << "header1" << "M (kg/m)" << "M (kg/m)";
    QTest::newRow("grid column, shared model") << "FrozenView" << "header2" << "dmax tornillo" << "dmax bolt";
    QTest::newRow("navigator hint") << "DBNavigator1" << "button3" << QString::fromUtf8("Último registro") << "Last record";
    QTest::newRow("status bar panel") << "StatusBar" << "text" << "Acero" << "Steel";
    QTest::newRow("status bar text") << "StatusBar1" << "message" << QString::fromUtf8("Catálogo de Productos")
                                     << "Products Catalogue";
    QTest::newRow("menu title") << "ArquivoMn" << "title" << "&Archivo" << "&File";
    QTest::newRow("menu item") << "SairMn" << "text" << "&Salir" << "E&xit";
    // Found by "Print": the result carries no hotkey unless the entry does.
    QTest::newRow("menu item found without &") << "ImprimirMn" << "text" << "Imprimir" << "Print";
    QTest::newRow("action hint") << "PrintAct" << "toolTip" << "Imprimir el informe de la tabla activa"
                                 << "Print the report related to active table";
    QTest::newRow("tool button of an action") << "PrintActBt" << "text" << "Imprimir" << "Print";
    QTest::newRow("caption published by an object") << "QRLabel1" << "Caption" << "Tolerancias" << "Tolerances";
    QTest::newRow("speed button hint") << "ProximoBt" << "toolTip" << "Perfil siguiente" << "Next section";
}

void TestTranslator::translatesEveryTarget()
{
    QFETCH(QString, name);
    QFETCH(QString, what);
    QFETCH(QString, spanish);
    QFETCH(QString, english);
    TTestFm fm;
    fm.translator->loaded();
    QCOMPARE(readText(&fm, name, what), spanish);
    m_dict->setLanguage(1);
    QCOMPARE(readText(&fm, name, what), english);
    m_dict->setLanguage(2);
    QCOMPARE(readText(&fm, name, what), spanish);
}

void TestTranslator::translatesEachTextOnce()
{
    // A text translated twice in one run would be tagged twice.
    m_dict->setMissingTranslation(ivmtTagNative);
    TTestFm fm;
    fm.translator->loaded();
    QCOMPARE(readText(&fm, "RxDBGrid1", "header1"), QString("@M (kg/m)@"));
    QCOMPARE(readText(&fm, "hChT", "text"), QString("@h  (mm)@"));
    QCOMPARE(readText(&fm, "PrintActBt", "text"), QString("Imprimir"));
    QCOMPARE(readText(&fm, "ArquivoMn", "title"), QString("&Archivo"));
    int gridRows = 0;
    for (int i = 0; i < fm.translator->table().count(); ++i) {
        const TIvTranslatorTableItem &row = fm.translator->table().at(i);
        QVERIFY2(!row.nativeText.startsWith('@'), qPrintable(row.nativeText));
        if (row.object == fm.model)
            ++gridRows;
    }
    QCOMPARE(gridRows, 3);
}

void TestTranslator::nativeTextsComeBack()
{
    TTestFm fm;
    // A caption the window sets from code before its first translation.
    fm.setWindowTitle("HEA Sections");
    const auto snapshot = [&fm] {
        QStringList texts;
        for (const char *name : {"OKBtn", "LabelPanel", "EditT", "SairMn", "ImprimirMn"})
            texts << readText(&fm, name, "text");
        texts << fm.windowTitle() << readText(&fm, "hCBT", "item0") << readText(&fm, "RxDBGrid1", "header0")
              << readText(&fm, "TabSheet1", "tab") << readText(&fm, "DBNavigator1", "button0");
        return texts;
    };
    m_dict->setLanguage(1);
    fm.translator->loaded();
    const QStringList english = snapshot();
    QCOMPARE(english.at(5), QString("HEA Sections"));
    m_dict->setLanguage(2);
    QCOMPARE(fm.windowTitle(), QString("Perfiles HEA"));
    QVERIFY(snapshot() != english);
    m_dict->setLanguage(1);
    QCOMPARE(snapshot(), english);
}

void TestTranslator::textsWrittenByTheProgram()
{
    TTestFm fm;
    fm.translator->loaded();
    auto *label = fm.findChild<QLabel *>("LabelPanel");
    QCOMPARE(label->text(), QString("Propiedades"));
    const int rows = fm.translator->table().count();
    // The program writes a native text over the translation: at the next
    // change it is a native text of its own, and the old row no longer matches.
    label->setText("Tolerances");
    m_dict->setLanguage(1);
    QCOMPARE(label->text(), QString("Tolerances"));
    QCOMPARE(fm.translator->table().count(), rows + 1);
    m_dict->setLanguage(2);
    QCOMPARE(label->text(), QString("Tolerancias"));
    // A text without translation (a record counter) stays as written.
    label->setText("Registro 5");
    m_dict->setLanguage(1);
    QCOMPARE(label->text(), QString("Registro 5"));
    QCOMPARE(fm.translator->table().count(), rows + 2);
}

void TestTranslator::secondTranslateRaisesNoEvent()
{
    TTestFm fm;
    QSignalSpy languageSpy(fm.translator, &TIvTranslator::OnLanguageChange);
    QSignalSpy localeSpy(fm.translator, &TIvTranslator::OnLocaleChange);
    fm.translator->loaded();
    QCOMPARE(languageSpy.count(), 1);
    QCOMPARE(languageSpy.at(0).at(0).value<QObject *>(), fm.translator);
    QCOMPARE(localeSpy.count(), 1);
    // As the HE window does after setting its caption.
    fm.setWindowTitle("HEM Sections");
    fm.translator->Translate();
    QCOMPARE(fm.windowTitle(), QString("Perfiles HEM"));
    QCOMPARE(languageSpy.count(), 1);
    QCOMPARE(localeSpy.count(), 1);
}

void TestTranslator::languageChangeRetranslates()
{
    TTestFm fm;
    fm.translator->loaded();
    QSignalSpy languageSpy(fm.translator, &TIvTranslator::OnLanguageChange);
    QSignalSpy localeSpy(fm.translator, &TIvTranslator::OnLocaleChange);
    // The handler sees the window already translated.
    QString titleSeen;
    connect(fm.translator, &TIvTranslator::OnLanguageChange, &fm, [&] { titleSeen = fm.windowTitle(); });
    m_dict->setLanguage(1);
    QCOMPARE(languageSpy.count(), 1);
    QCOMPARE(titleSeen, QString("HEB Sections"));
    // Bound from language to locale, the locale stays.
    QCOMPARE(localeSpy.count(), 0);
    m_dict->setLanguage(1);
    QCOMPARE(languageSpy.count(), 1);
}

void TestTranslator::targetClassIsExact_data()
{
    QTest::addColumn<QString>("targets");
    QTest::addColumn<QString>("speedButtonHint");
    QTest::addColumn<QString>("toolButtonHint");
    QTest::newRow("speed buttons only") << "(1 1 ('TSpeedButton' 'Hint' 0))" << "Perfil siguiente" << "Next section";
    QTest::newRow("base class entry") << "(1 1 ('QToolButton' 'Hint' 0))" << "Next section" << "Perfil siguiente";
    QTest::newRow("every class") << "(1 1 ('*' 'Hint' 0))" << "Perfil siguiente" << "Perfil siguiente";
    QTest::newRow("every class but speed buttons") << "(1 2 ('*' 'Hint' 0) ('TSpeedButton' 'Hint' 1))"
                                                   << "Next section" << "Perfil siguiente";
}

void TestTranslator::targetClassIsExact()
{
    QFETCH(QString, targets);
    QFETCH(QString, speedButtonHint);
    QFETCH(QString, toolButtonHint);
    TTestFm fm(targets);
    fm.translator->loaded();
    QCOMPARE(readText(&fm, "ProximoBt", "toolTip"), speedButtonHint);
    QCOMPARE(readText(&fm, "PlainToolBt", "toolTip"), toolButtonHint);
    // Captions are not among these targets.
    QCOMPARE(readText(&fm, "LabelPanel", "text"), QString("Properties"));
}

void TestTranslator::hiddenComboKeepsItsItems()
{
    TTestFm fm;
    auto *visible = fm.findChild<QComboBox *>("hCBT");
    visible->setCurrentIndex(2);
    fm.translator->loaded();
    QCOMPARE(readText(&fm, "hiddenCBT", "item2"), QString("between"));
    QCOMPARE(visible->currentIndex(), 2);
    QCOMPARE(visible->currentText(), QString("entre"));
    // Shown again, it follows the next change from its old texts.
    fm.findChild<QComboBox *>("hiddenCBT")->show();
    m_dict->setLanguage(1);
    m_dict->setLanguage(2);
    QCOMPARE(readText(&fm, "hiddenCBT", "item2"), QString("entre"));
}

void TestTranslator::missingTranslation_data()
{
    QTest::addColumn<TIvMissingTranslation>("mode");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("error");
    QTest::newRow("native") << ivmtUseNative << "Apply" << "";
    QTest::newRow("empty") << ivmtUseNull << "" << "";
    QTest::newRow("tagged") << ivmtTagNative << "@Apply@" << "";
    QTest::newRow("exception") << ivmtRaiseException << "Apply"
                               << "Dictionary does not contain a translation for the word \"Apply\"";
}

void TestTranslator::missingTranslation()
{
    QFETCH(TIvMissingTranslation, mode);
    QFETCH(QString, caption);
    QFETCH(QString, error);
    m_dict->setMissingTranslation(mode);
    QWidget fm;
    fm.setObjectName("ApplyFm");
    auto *button = new QPushButton("Apply", &fm);
    auto *close = new QPushButton("Close", &fm);
    auto *t = new TIvTranslator(&fm);
    t->setTargetsData("(1 1 ('*' 'Caption' 0))");
    try {
        t->loaded();
        QVERIFY2(error.isEmpty(), "no exception");
        QCOMPARE(close->text(), QString("Cerrar"));
    } catch (const EIvMulti &e) {
        QCOMPARE(e.message(), error);
    }
    QCOMPARE(button->text(), caption);
}

void TestTranslator::contextsFollowTheWindowClass()
{
    TIvMemoryDictionary d(nullptr, "Contexts");
    i18ntest::fillEnglishSpanish(d);
    d.setContextKind(ivckClassAndComponent);
    d.addTranslation("Properties", {"Properties", "Propiedades del perfil"}, "TBaseFm", "LabelPanel");
    d.addTranslation("Close", {"Close", "Cerrar"});
    d.addTranslation("Tolerances", {"Tolerances", "Tolerancias de Qt"}, "QWidget", "TabSheet2");
    d.addTranslation("Print", {"Print", "Imprimir este"}, "TTestFm", "ImprimirMn");
    d.open();
    d.setLanguage(2);
    TTestFm fm;
    fm.translator->setDictionaryName("Contexts");
    fm.translator->loaded();
    // Found for the window's parent class, by component.
    QCOMPARE(readText(&fm, "LabelPanel", "text"), QString("Propiedades del perfil"));
    // No context answers: the flat translation.
    QCOMPARE(readText(&fm, "EditT", "text"), QString("Cerrar"));
    // A menu item is asked again by its key without "&".
    QCOMPARE(readText(&fm, "ImprimirMn", "text"), QString("Imprimir este"));

    // Without flat translation only the contexts count, and Qt's classes
    // are not asked.
    d.setOptions(d.options() & ~TIvDictionaryOptions(ivdoUseFlatTranslation));
    TTestFm strict;
    strict.translator->setDictionaryName("Contexts");
    strict.translator->loaded();
    QCOMPARE(readText(&strict, "LabelPanel", "text"), QString("Propiedades del perfil"));
    QCOMPARE(readText(&strict, "EditT", "text"), QString("Close"));
    QCOMPARE(readText(&strict, "TabSheet2", "tab"), QString("Tolerances"));
}

void TestTranslator::noDictionary()
{
    m_dict.reset();
    QCOMPARE(TIvDictionaries::count(), 0);
    TTestFm fm;
    fm.translator->loaded(); // nothing to translate with: nothing happens
    QCOMPARE(fm.windowTitle(), QString("HEB Sections"));
    try {
        fm.translator->Translate();
        QFAIL("no exception");
    } catch (const EIvMulti &e) {
        QCOMPARE(e.message(),
                 QString("No dictionary has been assigned to the translator component (IvTranslator1 on \"TestFm\" form)"));
    }
}

void TestTranslator::missingFileTranslatesNothing()
{
    m_dict.reset();
    TIvBinaryDictionary d(nullptr, "Dictionary1");
    d.setFileName(QDir::temp().filePath("no-such-dictionary-here.dll"));
    d.open();
    TTestFm fm;
    QSignalSpy spy(fm.translator, &TIvTranslator::OnLanguageChange);
    fm.translator->loaded();
    d.setLanguage(2);
    QCOMPARE(spy.count(), 0);
    QVERIFY(!fm.translator->translated());
    QVERIFY(d.translators().isEmpty());
    QCOMPARE(fm.windowTitle(), QString("HEB Sections"));
}

void TestTranslator::emptyTargetsTranslateNothing()
{
    TTestFm fm("(1 0)");
    QSignalSpy spy(fm.translator, &TIvTranslator::OnLanguageChange);
    fm.translator->loaded();
    QCOMPARE(spy.count(), 0);
    QVERIFY(!fm.translator->translated());
    QCOMPARE(fm.windowTitle(), QString("HEB Sections"));
}

void TestTranslator::registrationAndRelease()
{
    QStringList order;
    auto first = std::make_unique<TTestFm>();
    first->setObjectName("FirstFm");
    TTestFm second;
    second.setObjectName("SecondFm");
    for (TTestFm *fm : {first.get(), &second})
        connect(fm->translator, &TIvTranslator::OnLanguageChange, this, [&order, fm] { order << fm->objectName(); });
    QVERIFY(m_dict->translators().isEmpty());
    second.translator->loaded();
    first->translator->loaded();
    QCOMPARE(m_dict->translators(), (QList<TIvCustomTranslator *>{second.translator, first->translator}));
    order.clear();
    m_dict->setLanguage(1);
    QCOMPARE(order, (QStringList{"SecondFm", "FirstFm"}));
    // A destroyed window's translator leaves the dictionary.
    first.reset();
    QCOMPARE(m_dict->translators(), (QList<TIvCustomTranslator *>{second.translator}));
    // Closing releases the translators; the texts on screen stay.
    m_dict->setLanguage(2);
    m_dict->close();
    QVERIFY(m_dict->translators().isEmpty());
    QVERIFY(!second.translator->translated());
    QCOMPARE(second.translator->table().count(), 0);
    QCOMPARE(second.windowTitle(), QString("Perfiles HEB"));
    order.clear();
    m_dict->open();
    m_dict->setLanguage(1);
    QVERIFY(order.isEmpty());
}

void TestTranslator::anotherDictionaryUntranslates()
{
    TIvMemoryDictionary other(nullptr, "Other");
    i18ntest::fillEnglishSpanish(other);
    other.addTranslation("HEB Sections", {"HEB Sections", "Vigas HEB"});
    other.open();
    other.setLanguage(2);
    TTestFm fm;
    fm.translator->loaded();
    QCOMPARE(fm.windowTitle(), QString("Perfiles HEB"));
    fm.translator->setDictionaryName("Other");
    // The native texts are back and the first dictionary lets go.
    QCOMPARE(fm.windowTitle(), QString("HEB Sections"));
    QCOMPARE(readText(&fm, "hCBT", "item0"), QString("more than"));
    QVERIFY(!fm.translator->translated());
    QVERIFY(m_dict->translators().isEmpty());
    QCOMPARE(fm.translator->table().count(), 0);
    fm.translator->Translate();
    QCOMPARE(fm.windowTitle(), QString("Vigas HEB"));
    QCOMPARE(other.translators(), (QList<TIvCustomTranslator *>{fm.translator}));
}

void TestTranslator::otherWindowsAreLeftAlone()
{
    TTestFm fm;
    // A child window with a translator of its own, as a family window
    // inside the main window's workspace.
    auto *child = new QWidget(&fm);
    child->setObjectName("ChildFm");
    auto *childLabel = new QLabel("Properties", child);
    (new TIvTranslator(child))->setTargetsData("(1 1 ('*' 'Caption' 0))");
    // A dialog the window owns.
    auto *dialog = new QDialog(&fm);
    auto *dialogLabel = new QLabel("Properties", dialog);
    fm.translator->loaded();
    QCOMPARE(readText(&fm, "LabelPanel", "text"), QString("Propiedades"));
    QCOMPARE(childLabel->text(), QString("Properties"));
    QCOMPARE(dialogLabel->text(), QString("Properties"));
}

void TestTranslator::qtStandardButtonsFollowTheLanguage()
{
    m_dict->setLanguage(1);
    QDialogButtonBox box(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help);
    QCOMPARE(box.button(QDialogButtonBox::Ok)->text(), QString("OK"));
    m_dict->setLanguage(2);
    QCoreApplication::processEvents();
    QCOMPARE(box.button(QDialogButtonBox::Ok)->text(), QString("Aceptar"));
    QCOMPARE(box.button(QDialogButtonBox::Cancel)->text(), QString("Cancelar"));
    QCOMPARE(box.button(QDialogButtonBox::Help)->text(), QString("Ayuda"));
    QMessageBox question(QMessageBox::Question, "Tolmo", "Do you want to exit?", QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(question.button(QMessageBox::Yes)->text(), QString::fromUtf8("&Sí"));
    QCOMPARE(question.button(QMessageBox::No)->text(), QString("&No"));
    m_dict->setLanguage(1);
    QCoreApplication::processEvents();
    QCOMPARE(box.button(QDialogButtonBox::Ok)->text(), QString("OK"));
    // A closed dictionary answers nothing.
    m_dict->close();
    QMessageBox again(QMessageBox::Question, "Tolmo", "?", QMessageBox::Yes);
    QCOMPARE(again.button(QMessageBox::Yes)->text(), QString("&Yes"));
}

void TestTranslator::windowFontFollowsTheLanguage()
{
    TIvMemoryDictionary d(nullptr, "Fonts");
    d.setBinding(ivbiLanguageToLocale);
    d.setSubLanguage(0);
    d.setLanguage(0);
    d.setOptions(ivdoAll & ~TIvDictionaryOptions(ivdoUpdateLocaleVariables));
    d.addLanguage(TIvMemoryDictionary::english());
    TIvLanguageInfo spanish = TIvMemoryDictionary::spanish();
    spanish.fontName = "Liberation Serif";
    spanish.fontSize = 14;
    d.addLanguage(spanish);
    d.open();
    QWidget fm;
    QFont native("Liberation Sans", 9);
    fm.setFont(native);
    new QLabel("Close", &fm);
    auto *t = new TIvTranslator(&fm);
    t->setDictionaryName("Fonts");
    t->setTargetsData("(1 1 ('*' 'Caption' 0))");
    fm.show();
    t->loaded();
    d.setLanguage(2);
    QCOMPARE(fm.font().family(), QString("Liberation Serif"));
    QCOMPARE(fm.font().pointSize(), 14);
    d.setLanguage(1);
    QCOMPARE(fm.font().family(), QString("Liberation Sans"));
    QCOMPARE(fm.font().pointSize(), 9);
}

QTEST_MAIN(TestTranslator)
#include "tst_translator.moc"
