#pragma once

#include "props/Outline.h"

#include <QString>

#include <vector>

struct FamilyInfo;
class Record;

// The drawing of one rolled size for CAD, at 1:1 in millimetres: its exact
// outline (the one its properties are read off) with the origin at the
// centroid, y to the right and z upwards, placed as the property sheet draws
// the section, and its axes through the centroid.
namespace cad {

// An axis of the section: a line through the centroid, named at both ends.
struct AxisLine {
    QString name; // "y", "z"; "u" the major and "v" the minor principal axis
    props::Point from, to;
};

struct SectionDrawing {
    QString designation;
    props::Outline outline;
    std::vector<AxisLine> axes;
    props::Box extent; // of the outline and the axes
};

// The drawing of a row of family's table. Throws std::runtime_error, its
// message naming the designation, when the row's dimensions make no
// outline (an empty dimension, roundings that do not fit).
SectionDrawing sectionDrawing(const FamilyInfo &family, const Record &row);

// The drawing of an outline placed as the sheet draws it, in mm: moved to
// its centroid, with y and z, and u and v when the principal axes are
// turned from y and z (an angle).
SectionDrawing drawingOf(const QString &designation, const props::Outline &outline);

} // namespace cad
