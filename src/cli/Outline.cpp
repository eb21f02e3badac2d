#include "cli/Cli.h"

#include "cad/OutlineFile.h"
#include "cad/SectionDrawing.h"
#include "data/Designation.h"
#include "data/SectionFamily.h"
#include "data/Table.h"

#include <stdexcept>

namespace cli {

cad::SectionDrawing sectionNamed(const QString &designation, const QString &dir)
{
    const FamilyInfo *family = nullptr;
    const std::unique_ptr<Table> table = designation::openAt(designation, dir, family);
    return cad::sectionDrawing(*family, table->record(table->currentRow()));
}

int outlineCommand(const QString &designation, const QString &output, const QString &dir)
{
    cad::writeOutlineFile(sectionNamed(designation, dir), output);
    return 0;
}

} // namespace cli
