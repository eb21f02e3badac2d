#pragma once

#include "cad/SectionDrawing.h"

#include <QString>

#include <optional>

// Writes a section drawing for CAD. Both files hold the outline at 1:1 in
// millimetres with the origin at the centroid. The file appears only when it
// is complete: it is written aside and renamed into place, so a failure
// leaves whatever was there before untouched and no partial file.
namespace cad {

enum class OutlineFormat { Dxf, Svg };

// The format a file name asks for by its suffix (any case), or nothing.
std::optional<OutlineFormat> formatOf(const QString &path);

// The layers of the DXF file.
inline constexpr char kOutlineLayer[] = "OUTLINE";
inline constexpr char kAxesLayer[] = "AXES";

// DXF (AutoCAD 2000 text format, units millimetres) through dxflib: the
// outline as LINE and ARC entities on the layer OUTLINE, the axes as
// dash-dot LINEs named by TEXTs at both ends on the layer AXES.
void writeDxf(const SectionDrawing &drawing, const QString &path);

// SVG through Qt's SVG generator, 1 user unit = 1 mm, z upwards on the page:
// the outline filled and stroked, the axes dash-dotted and named. Arcs are
// Qt's cubic curves, within 0.03 % of their radius.
void writeSvg(const SectionDrawing &drawing, const QString &path);

// writeDxf or writeSvg by the suffix of path; std::runtime_error for any
// other suffix. Write failures throw std::runtime_error naming the file.
void writeOutlineFile(const SectionDrawing &drawing, const QString &path);

} // namespace cad
