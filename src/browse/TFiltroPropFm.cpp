#include "browse/TFiltroPropFm.h"

namespace {

constexpr SearchDialogDesign kDesign = {"FiltroPropFm", QSize(304, 352), 322, "CancelBt"};

} // namespace

TFiltroPropFm::TFiltroPropFm(Criteria criteria, const AppContext &context, QWidget *parent)
    : SearchDialog(kDesign, criteria, context, parent)
{
}
