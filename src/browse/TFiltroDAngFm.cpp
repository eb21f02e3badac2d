#include "browse/TFiltroDAngFm.h"

namespace {

constexpr SearchDialogDesign kDesign = {"FiltroDAngFm", QSize(304, 133), 103, "CancelaBt"};

} // namespace

TFiltroDAngFm::TFiltroDAngFm(Criteria criteria, const AppContext &context, QWidget *parent)
    : SearchDialog(kDesign, criteria, context, parent)
{
}
