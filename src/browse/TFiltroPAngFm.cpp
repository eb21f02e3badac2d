#include "browse/TFiltroPAngFm.h"

namespace {

constexpr SearchDialogDesign kDesign = {"FiltroPAngFm", QSize(304, 325), 295, "CancelBt"};

} // namespace

TFiltroPAngFm::TFiltroPAngFm(Criteria criteria, const AppContext &context, QWidget *parent)
    : SearchDialog(kDesign, criteria, context, parent)
{
}
