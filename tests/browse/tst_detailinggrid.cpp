// The Dimensions for Detailing grid of every family window on the supplied
// tables shows exactly the published detailing figures: the largest bolt,
// the gauge range (the hyphen forms where the tables give no bolt) and the
// stiff bearing length, for every size the published tables list.
#include "support/TestContext.h"
#include "TestShell.h"
#include "browse/SectionWindows.h"
#include "browse/TRxDBGrid.h"
#include "data/AppGlobals.h"

#include <QAbstractItemModel>
#include <QFile>
#include <QMap>
#include <QTest>

#include <memory>

namespace {

// One line of the published figures: designation, dmax, gauge_min, gauge_max, ss.
struct Published {
    QString bolt, minGauge, maxGauge, ss;
};

QMap<QString, Published> readPublished()
{
    QFile f(QFINDTESTDATA("refdata/detailing.csv"));
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QMap<QString, Published> rows;
    const QList<QByteArray> lines = f.readAll().split('\n');
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QStringList c = QString::fromUtf8(lines[i].trimmed()).split(u',');
        if (c.size() != 5)
            continue;
        // The published gauges are whole millimetres written "54.0"; the
        // grid writes them "54", and "-" where there is no bolt.
        const auto gauge = [&](const QString &g) { return g.isEmpty() ? QStringLiteral("-") : QString::number(g.toDouble()); };
        rows.insert(c[0], {c[1], gauge(c[2]), gauge(c[3]), c[4]});
    }
    return rows;
}

int columnTitled(const QAbstractItemModel *m, const QString &title)
{
    for (int c = 0; c < m->columnCount(); ++c) {
        if (m->headerData(c, Qt::Horizontal).toString() == title)
            return c;
    }
    return -1;
}

} // namespace

class TestDetailingGrid : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY2(!qEnvironmentVariable("TOLMO_APPDIR").isEmpty(), "TOLMO_APPDIR names the application directory");
        testContext().setAppDir(qEnvironmentVariable("TOLMO_APPDIR"));
        m_published = readPublished();
        QCOMPARE(m_published.size(), 126);
    }

    void publishedFiguresShown_data()
    {
        QTest::addColumn<QString>("family");
        QTest::addColumn<QString>("gauge"); // the grid's titles of the gauge columns: p or e
        for (const char *f : {"HEA", "HEB", "HEM", "IPE", "IPN"})
            QTest::newRow(f) << f << "p";
        QTest::newRow("UPN") << "UPN" << "e";
    }
    void publishedFiguresShown()
    {
        QFETCH(QString, family);
        QFETCH(QString, gauge);
        TestShell shell;
        std::unique_ptr<FamilyWindow> w = makeFamilyWindow(family);
        shell.children.append(w.get());
        w->FormCreate();
        auto *grid = w->findChild<TRxDBGrid *>(QStringLiteral("RxDBGrid2"));
        QVERIFY(grid);
        const QAbstractItemModel *m = grid->model();
        const int name = columnTitled(m, QStringLiteral("Designation"));
        const int bolt = columnTitled(m, QStringLiteral("dmax bolt"));
        const int lo = columnTitled(m, gauge + QStringLiteral("min (mm)"));
        const int hi = columnTitled(m, gauge + QStringLiteral("max (mm)"));
        const int ss = columnTitled(m, QStringLiteral("Ss (mm)"));
        QVERIFY(name >= 0 && bolt >= 0 && lo >= 0 && hi >= 0 && ss >= 0);

        int listed = 0;
        QStringList wrong;
        for (int r = 0; r < m->rowCount(); ++r) {
            const auto cell = [&](int c) { return m->data(m->index(r, c)).toString(); };
            const QString size = cell(name);
            const auto it = m_published.constFind(size);
            if (it == m_published.constEnd())
                continue;
            ++listed;
            const QStringList shown{cell(bolt), cell(lo), cell(hi), cell(ss)};
            const QStringList want{it->bolt, it->minGauge, it->maxGauge, it->ss};
            if (shown != want)
                wrong << QStringLiteral("%1 shows %2, published %3").arg(size, shown.join(u' '), want.join(u' '));
        }
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(u'\n')));
        // Every published size of the family is in the grid.
        const auto prefix = family + u' ';
        QCOMPARE(listed, int(std::count_if(m_published.keyBegin(), m_published.keyEnd(),
                                           [&](const QString &k) { return k.startsWith(prefix); })));
        QVERIFY(listed > 0);
    }

private:
    QMap<QString, Published> m_published;
};

QTEST_MAIN(TestDetailingGrid)
#include "tst_detailinggrid.moc"
