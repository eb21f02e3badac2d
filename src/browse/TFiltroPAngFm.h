#pragma once

#include "browse/SearchDialog.h"

// The search dialog of the property criteria of the equal-leg angles window.
class TFiltroPAngFm : public SearchDialog {
    Q_OBJECT

public:
    TFiltroPAngFm(Criteria criteria, const AppContext &context, QWidget *parent = nullptr);
};
