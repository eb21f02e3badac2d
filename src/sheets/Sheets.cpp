#include "sheets/Sheets.h"

#include "browse/ErrorReport.h"
#include "browse/FamilyWindow.h"
#include "data/Table.h"
#include "sheets/TShowDetailFm.h"
#include "sheets/TShowPropFm.h"

#include <memory>

namespace sheets {

void open(FamilyWindow *window, int tab, const std::function<void(SectionSheet &)> &print)
{
    // A sheet shows one size: with none current there is nothing to show.
    const Table *table = window->sectionTable();
    if (!table->isOpen() || table->currentRow() < 0)
        return;
    std::unique_ptr<SectionSheet> sheet;
    if (tab == 0)
        sheet = std::make_unique<TShowPropFm>(window);
    else if (tab == 1)
        sheet = std::make_unique<TShowDetailFm>(window);
    else
        return;
    if (print) {
        SectionSheet *shown = sheet.get();
        QObject::connect(shown, &SectionSheet::printRequested, shown, [shown, print] { guarded([&] { print(*shown); }); });
    }
    sheet->Atualiza(0);
    sheet->exec();
}

} // namespace sheets
