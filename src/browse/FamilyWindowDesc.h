#pragma once

#include "browse/Criterion.h"
#include "browse/TableModel.h"

#include <QList>
#include <QSize>

class QWidget;
class SearchDialog;

// A dimension label under the drawing: prefix, field, decimals, then " mm".
struct DimensionLabel {
    const char *prefix;
    const char *field;
    int decimals;
};

// What tells the five section windows apart; one window design reads it.
struct FamilyWindowDesc {
    const char *caption;        // window caption (HE: replaced by the series)
    const char *heading;        // heading bar text (HE: the caption)
    const TableDecl *table;
    const char *tableFile;      // nullptr: the HE series' table
    const char *toleranceComponent;
    const char *toleranceKey;   // "Raroda" key of the family's tolerance rows
    const char *norma;          // the line naming the standard
    const char *toleranceTitle; // the bold title of the tolerances tab
    const char *dataLabel2;     // fields shown on the property drawing
    const char *dataLabel3;
    QList<DimensionLabel> dimensions;
    QList<GridColumn> propertyColumns;
    QList<GridColumn> detailColumns;
    // The search criteria of each browsing tab: dialog rows and filter.
    Criteria propertyCriteria;
    Criteria detailCriteria;
    // The search dialog of each browsing tab, built on those criteria.
    SearchDialog *(*propertyDialog)(Criteria criteria, QWidget *parent);
    SearchDialog *(*detailDialog)(Criteria criteria, QWidget *parent);
    int helpContexts[3];        // per tab
    QSize minimumSize;
    bool translateAgain;        // translated again at the end of creation
    bool supplyNote;            // shows "(*) - Available on request"
    const char *art;            // "he", "ipe", "ipn", "upn", "ang"
    const char *translatorTargets;
};

namespace family {
extern const FamilyWindowDesc HE;
extern const FamilyWindowDesc IPE;
extern const FamilyWindowDesc IPN;
extern const FamilyWindowDesc UPN;
extern const FamilyWindowDesc ANG;
} // namespace family
