#pragma once

#include <QString>

#include <span>

class Record;

// What the catalogue knows of one field of a table file: its name, type and
// size, whether the file stores it or the family's computation fills it, and
// how grids, sheets and reports show it.

enum class FieldType { Float, Text, Logical, Graphic };
enum class FieldKind { Stored, Computed };
enum class FieldAlign { Default, Left, Center, Right };

struct FieldDecl {
    const char *name;
    FieldType type;
    int size;            // characters of a text field; 0 otherwise
    FieldKind kind;
    const char *label;   // display label; nullptr shows the field name, "" nothing
    const char *format;  // "0", "0.0", "0.00", "0.000"; nullptr for texts
    int width;           // display width in characters; 0 when not declared
    FieldAlign align;

    bool isStored() const { return kind == FieldKind::Stored; }
    bool isNumeric() const { return type == FieldType::Float; }
    // A length of the section's outline in millimetres, stored or derived
    // (h, tw, r1, d, hi, Ss...): its unit, as every field's, stands in its
    // label. Dimensions are shown with their format as it is; properties
    // with at least three significant digits.
    bool isDimension() const;
    // Decimals of the display format, or -1 when the field has none.
    int decimals() const;
    // The alignment that applies, defaults resolved: floats right, texts left.
    FieldAlign effectiveAlign() const;
    // The column title: the label, or the field name when none is declared.
    const char *displayLabel() const { return label ? label : name; }
};

// Writes the computed fields of one fetched row.
using CalcFieldsHook = void (*)(Record &row);

// Answers what makes a stored row implausible ("the field \"tf\" holds 0;
// it must be positive"), or an empty text when nothing does.
using RowCheckHook = QString (*)(const Record &row);

struct TableDecl {
    const char *component;   // component name of the table in its window
    const char *defaultFile; // declared file name
    std::span<const FieldDecl> fields;
    CalcFieldsHook calcFields; // nullptr for tables without computed fields
    RowCheckHook checkRow;     // nullptr for tables whose rows need no check
    const char *uniqueKey;     // a field that must be present and unique, or nullptr

    // Index of the field whose name equals name ignoring case, or -1.
    int indexOf(const char *name) const;
};
