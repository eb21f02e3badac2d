#include "browse/TFiltroPAngFm.h"

namespace {

// Angles have one thickness t and principal-axis radii of gyration, hence
// the wider bounds for t and the i rows.
constexpr SearchRowDesign kRows[] = {
    {"hChT", "h  (mm)", "hCBT", "h1T", "h2T", 9999},
    {"tChT", "t (mm)", "tCBT", "t1T", "t2T", 999},
    {"AChT", "A (cm2)", "ACBT", "A1T", "A2T", 9999},
    {"MChT", "M (kg/m)", "MCBT", "M1T", "M2T", 9999},
    {"IyChT", "Iy (cm4)", "IyCBT", "Iy1T", "Iy2T", 9999999},
    {"WyChT", "Wy (cm3)", "WyCbT", "Wy1T", "Wy2T", 99999},
    {"RyChT", "iy (cm)", "RyCBT", "Ry1T", "Ry2T", 999},
    {"IuChT", "Iu (cm4)", "IuCBT", "Iu1T", "Iu2T", 9999999},
    {"RuChT", "iu (cm)", "RuCBT", "Ru1T", "Ru2T", 999},
    {"IvChT", "Iv (cm4)", "IvCBT", "Iv1T", "Iv2T", 9999999},
    {"RvChT", "iv (cm)", "RvCBT", "Rv1T", "Rv2T", 999},
};

constexpr SearchDialogDesign kDesign = {"FiltroPAngFm", QSize(304, 325), 295, "CancelBt", kRows};

} // namespace

TFiltroPAngFm::TFiltroPAngFm(QWidget *parent)
    : SearchDialog(kDesign, parent)
{
}
