#include "browse/TFiltroDetailFm.h"

namespace {

constexpr SearchDialogDesign kDesign = {"FiltroDetailFm", QSize(303, 206), 177, "CancelaBt"};

} // namespace

TFiltroDetailFm::TFiltroDetailFm(Criteria criteria, const AppContext &context, QWidget *parent)
    : SearchDialog(kDesign, criteria, context, parent)
{
}
