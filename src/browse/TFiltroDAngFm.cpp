#include "browse/TFiltroDAngFm.h"

namespace {

constexpr SearchRowDesign kRows[] = {
    {"hChT", "h  (mm)", "hCBT", "h1T", "h2T", 9999},
    {"tChT", "t (mm)", "tCBT", "t1T", "t2T", 999},
    {"MChT", "M (kg/m)", "MCBT", "M1T", "M2T", 9999},
};

constexpr SearchDialogDesign kDesign = {"FiltroDAngFm", QSize(304, 133), 103, "CancelaBt", kRows};

} // namespace

TFiltroDAngFm::TFiltroDAngFm(QWidget *parent)
    : SearchDialog(kDesign, parent)
{
}
