#pragma once

#include "sheets/SectionSheet.h"

#include <functional>

class QAction;
class QPushButton;

// The property sheet: every property of one rolled size in 24 slots, opened
// from a family window's "Properties" tab; and the size's exact outline for
// CAD.
class TShowPropFm : public SectionSheet {
    Q_OBJECT
public:
    explicit TShowPropFm(FamilyWindow *window = nullptr);

    static const SheetLayout kLayout;

    // The texts of the property sheet for the current record of table.
    static SheetTexts sheetTexts(const Table &table, const FamilyInfo &family);
    SheetTexts texts(const Table &table, const FamilyInfo &family) const override { return sheetTexts(table, family); }
    // "Save Outline..." (button and context menu): asks for a DXF or SVG
    // file and writes the exact outline of the size shown into it
    // (cad::writeOutlineFile). Nothing happens while no size is shown or
    // when the dialog is cancelled.
    void ContornoClick();

    // The save dialog: answers the file chosen, or an empty text to cancel.
    // Tests replace it.
    using FileChooser = std::function<QString(QWidget *parent, const QString &suggested)>;
    void setFileChooser(FileChooser chooser) { m_chooser = std::move(chooser); }

protected:
    // The outline command is there while a size is shown.
    void fillMore(const Table &table, const FamilyInfo &family) override;

private:
    FileChooser m_chooser;
    QPushButton *m_contorno = nullptr;
    QAction *m_contornoMn = nullptr;
};
