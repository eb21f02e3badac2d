// libFuzzer entry of the table reader: every input is written as a table
// file and opened through the engine with the parallel-flange section
// declaration, its plausibility check and its computed fields, once as the
// catalogue opens it and once without the content checksum (as the data
// supplier's seal does), so that mutations reach the checks behind it;
// refusing it with a TableError is fine, anything else is a fault.
#include "data/Declarations.h"
#include "data/Table.h"
#include "data/TableError.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

namespace {

QTemporaryDir *workDir = nullptr;

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication app(*argc, *argv);
    workDir = new QTemporaryDir;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString path = QDir(workDir->path()).filePath(QStringLiteral("HEB.DB"));
    {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        f.write(reinterpret_cast<const char *>(data), qint64(size));
    }
    for (const bool sealed : {true, false}) {
        Table table(decl::iLamParTable);
        table.setDirectory(workDir->path());
        table.setFileName(QStringLiteral("HEB.DB"));
        try {
            if (sealed)
                table.open();
            else
                table.openForSealing();
            for (int r = 0; r < table.recordCount(); ++r) {
                table.setCurrentRow(r);
                for (int f = 0; f < table.fieldCount(); ++f)
                    (void)FieldRef(&table, f).displayText(u'.');
            }
        } catch (const TableError &) {
        }
    }
    return 0;
}
