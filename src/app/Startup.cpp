#include "app/Startup.h"

#include "app/TPrincipalFm.h"
#include "browse/TAceroFm.h"
#include "sheets/Sheets.h"

namespace startup {

void installWindows()
{
    sheets::install();
    TPrincipalFm::setSteelWindowFactory([]() -> QWidget * { return new TAceroFm; });
}

} // namespace startup
