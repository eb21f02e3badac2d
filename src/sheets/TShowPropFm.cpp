#include "sheets/TShowPropFm.h"

#include "browse/ErrorReport.h"
#include "browse/FamilyWindow.h"
#include "cad/OutlineFile.h"
#include "cad/SectionDrawing.h"
#include "data/Table.h"
#include "i18n/TranslateString.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QPushButton>

namespace {

constexpr SlotPlace kSlots[] = {
    {"LBh", 211, 12},     {"LBr", 331, 12},     {"LBb", 211, 32},     {"LBd", 331, 32},     {"LBtw", 211, 52},
    {"LBhi", 331, 52},    {"LBtf", 211, 72},    {"LBA", 211, 106},    {"LBM", 331, 106},    {"LBIy", 211, 139},
    {"LBIz", 331, 139},   {"LBWy", 211, 159},   {"LBWz", 331, 159},   {"LBWply", 211, 179}, {"LBWplz", 331, 179},
    {"LBry", 211, 199},   {"LBrz", 331, 199},   {"LBIt", 211, 219},   {"LBIw", 331, 219},   {"LBSy", 211, 249},
    {"LBAvz", 331, 249},  {"LBssy", 211, 268},  {"LBAL", 210, 293},   {"LBAG", 330, 293},
};
constexpr int kLines[] = {96, 128, 244, 286};

// The folder of the last outline saved in this session; the home folder at
// first.
QString g_outlineFolder;

// The save dialog: DXF or SVG; a name without either suffix takes the one
// of the filter chosen.
QString askOutlineFile(QWidget *parent, const QString &suggested)
{
    const QString dxf = TranslateString(QStringLiteral("DXF drawings (*.dxf)"));
    const QString svg = TranslateString(QStringLiteral("SVG pictures (*.svg)"));
    QString filter = dxf;
    QString name = QFileDialog::getSaveFileName(parent, TranslateString(QStringLiteral("Save Outline")), suggested,
                                                dxf + QStringLiteral(";;") + svg, &filter);
    if (!name.isEmpty() && !cad::formatOf(name))
        name += filter == svg ? QStringLiteral(".svg") : QStringLiteral(".dxf");
    return name;
}

} // namespace

const SheetLayout TShowPropFm::kLayout{
    {492, 354}, {10, 4}, {436, 9}, "sheet-prop-", {195, 290}, {6, 34}, kSlots, 205, 486, kLines,
};

TShowPropFm::TShowPropFm(FamilyWindow *window) : SectionSheet(kLayout, window), m_chooser(askOutlineFile)
{
    // Beside Help in the bottom bar, and after Print in the context menu.
    m_contorno = new QPushButton(QStringLiteral("Save &Outline..."), bottomBar());
    m_contorno->setObjectName(QStringLiteral("ContornoBt"));
    m_contorno->setToolTip(QStringLiteral("The exact outline for CAD, 1:1 in millimetres"));
    m_contorno->setGeometry(194, 3, 130, 24);
    connect(m_contorno, &QPushButton::clicked, this, guard(this, &TShowPropFm::ContornoClick));

    m_contornoMn = new QAction(QStringLiteral("Save &Outline..."), this);
    m_contornoMn->setObjectName(QStringLiteral("ContornoMn"));
    connect(m_contornoMn, &QAction::triggered, this, guard(this, &TShowPropFm::ContornoClick));
    const QList<QAction *> items = contextMenu()->actions();
    contextMenu()->insertAction(items.value(1), m_contornoMn);

    m_contorno->setEnabled(false);
    m_contornoMn->setEnabled(false);
    finishConstruction();
}

void TShowPropFm::fillMore(const Table &table, const FamilyInfo &)
{
    const bool shown = table.currentRow() >= 0;
    m_contorno->setEnabled(shown);
    m_contornoMn->setEnabled(shown);
}

void TShowPropFm::ContornoClick()
{
    FamilyWindow *window = this->window();
    if (!window || !family())
        return;
    Table &table = *window->sectionTable();
    if (table.currentRow() < 0)
        return;
    // The outline first: a size that makes none is reported before any
    // dialog.
    const cad::SectionDrawing drawing = cad::sectionDrawing(*family(), table.record(table.currentRow()));
    if (g_outlineFolder.isEmpty())
        g_outlineFolder = QDir::homePath();
    QString name = drawing.designation;
    name.replace(u'/', u'-').replace(u'\\', u'-');
    const QString path = m_chooser(this, QDir(g_outlineFolder).filePath(name + QStringLiteral(".dxf")));
    if (path.isEmpty())
        return;
    g_outlineFolder = QFileInfo(path).absolutePath();
    cad::writeOutlineFile(drawing, path);
}

SheetTexts TShowPropFm::sheetTexts(const Table &table, const FamilyInfo &family)
{
    return fillTexts(kLayout, table, *family.kind->propertySheet);
}
