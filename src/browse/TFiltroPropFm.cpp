#include "browse/TFiltroPropFm.h"

namespace {

constexpr SearchRowDesign kRows[] = {
    {"hChT", "h  (mm)", "hCBT", "h1T", "h2T", 9999},
    {"bChT", "b (mm)", "bCBT", "b1T", "b2T", 9999},
    {"tfChT", "tf (mm)", "tfCBT", "tf1T", "tf2T", 99},
    {"twChT", "tw (mm)", "twCBT", "tw1T", "tw2T", 99},
    {"AChT", "A (cm2)", "ACBT", "A1T", "A2T", 9999},
    {"MChT", "M (kg/m)", "MCBT", "M1T", "M2T", 9999},
    {"IyChT", "Iy (cm4)", "IyCBT", "Iy1T", "Iy2T", 9999999},
    {"WyChT", "Wy (cm3)", "WyCbT", "Wy1T", "Wy2T", 99999},
    {"WplyChT", "Wply (cm3)", "WplyCBT", "Wply1T", "Wply2T", 99999},
    {"IzChT", "Iz (cm4)", "IzCBT", "Iz1T", "Iz2T", 999999},
    {"WzChT", "Wz (cm3)", "WzCbT", "Wz1T", "Wz2T", 99999},
    {"WplzChT", "Wplz (cm3)", "WplzCBT", "Wplz1T", "Wplz2T", 99999},
};

constexpr SearchDialogDesign kDesign = {"FiltroPropFm", QSize(304, 352), 322, "CancelBt", kRows};

} // namespace

TFiltroPropFm::TFiltroPropFm(QWidget *parent)
    : SearchDialog(kDesign, parent)
{
}
