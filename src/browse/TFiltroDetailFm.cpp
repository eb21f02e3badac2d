#include "browse/TFiltroDetailFm.h"

namespace {

constexpr SearchRowDesign kRows[] = {
    {"hChT", "h  (mm)", "hCBT", "h1T", "h2T", 9999},
    {"bChT", "b (mm)", "bCBT", "b1T", "b2T", 9999},
    {"tfChT", "tf (mm)", "tfCBT", "tf1T", "tf2T", 99},
    {"twChT", "tw (mm)", "twCBT", "tw1T", "tw2T", 99},
    {"MChT", "M (kg/m)", "MCBT", "M1T", "M2T", 9999},
    {"SsChT", "Ss (mm)", "SsCBT", "Ss1T", "Ss2T", 999999},
};

constexpr SearchDialogDesign kDesign = {"FiltroDetailFm", QSize(303, 206), 177, "CancelaBt", kRows};

} // namespace

TFiltroDetailFm::TFiltroDetailFm(QWidget *parent)
    : SearchDialog(kDesign, parent)
{
}
