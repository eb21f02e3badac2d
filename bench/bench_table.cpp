// Opening an 80-row section table: read, computed fields of every row, and
// one pass of a record filter, as a family window does on every search.
#include "TableFileWriter.h"
#include "data/CalcFields.h"
#include "data/Declarations.h"
#include "data/Table.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

QString writeFixture(const QTemporaryDir &dir)
{
    QList<QVariantList> rows;
    for (int i = 0; i < 80; ++i) {
        const double h = 100 + 20 * i;
        rows.append({QString(), QStringLiteral("HEB %1").arg(h), h, 300.0, 6 + i * 0.1, 10 + i * 0.2, 27.0,
                     QStringLiteral("120"), QStringLiteral("150"), QStringLiteral("M27")});
    }
    tablefile::write(QDir(dir.path()).filePath("HEB.DB"), "rows", tablefile::storedColumns(decl::iLamParTable), rows);
    return dir.path();
}

} // namespace

static void BM_OpenFetchFilter80(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = writeFixture(dir);
    Table table(decl::iLamParTable);
    table.setDirectory(path);
    table.setFileName("HEB.DB");
    table.setFiltered(true);
    // The record filter of a search: recompute and compare two criteria.
    table.setFilter([](const Record &row) {
        const ILamParProps p = PropILamPar(iLamParInput(row));
        return p.h >= 20 && p.Wy >= 500;
    });
    for (auto _ : state) {
        table.open();
        benchmark::DoNotOptimize(table.recordCount());
        table.close();
    }
}
BENCHMARK(BM_OpenFetchFilter80)->Unit(benchmark::kMicrosecond);

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
