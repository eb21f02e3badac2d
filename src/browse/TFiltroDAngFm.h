#pragma once

#include "browse/SearchDialog.h"

// The search dialog of the detailing criteria of the equal-leg angles window.
class TFiltroDAngFm : public SearchDialog {
    Q_OBJECT

public:
    TFiltroDAngFm(Criteria criteria, QWidget *parent = nullptr);
};
