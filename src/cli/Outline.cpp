#include "cli/Cli.h"

#include "cad/OutlineFile.h"
#include "cad/SectionDrawing.h"
#include "data/SectionFamily.h"
#include "data/Table.h"

#include <stdexcept>

namespace cli {

namespace {

// A designation as written for comparing: no blanks, capitals.
QString comparable(const QString &designation)
{
    QString s;
    for (const QChar c : designation)
        if (!c.isSpace())
            s += c.toUpper();
    return s;
}

} // namespace

cad::SectionDrawing sectionNamed(const QString &designation, const QString &dir)
{
    const QString wanted = comparable(designation);
    for (const FamilyInfo &family : allFamilies()) {
        Table table(*family.table());
        table.setDirectory(dir);
        table.setFileName(QString::fromLatin1(family.tableFile));
        table.open();
        for (int r = 0; r < table.recordCount(); ++r) {
            const Record row = table.record(r);
            if (comparable(row.asText("Designation")) == wanted)
                return cad::sectionDrawing(family, row);
        }
    }
    throw std::runtime_error(
        QStringLiteral("no section is named %1 in the section tables of %2").arg(designation, dir).toStdString());
}

int outlineCommand(const QString &designation, const QString &output, const QString &dir)
{
    cad::writeOutlineFile(sectionNamed(designation, dir), output);
    return 0;
}

} // namespace cli
