#include "browse/TFiltroDetailFm.h"

namespace {

constexpr SearchDialogDesign kDesign = {"FiltroDetailFm", QSize(303, 206), 177, "CancelaBt"};

} // namespace

TFiltroDetailFm::TFiltroDetailFm(Criteria criteria, QWidget *parent)
    : SearchDialog(kDesign, criteria, parent)
{
}
