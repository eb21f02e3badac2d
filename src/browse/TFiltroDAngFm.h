#pragma once

#include "browse/SearchDialog.h"

// The search dialog of the detailing criteria of the equal-leg angles window.
class TFiltroDAngFm : public SearchDialog {
    Q_OBJECT

public:
    TFiltroDAngFm(Criteria criteria, const AppContext &context, QWidget *parent = nullptr);
};
