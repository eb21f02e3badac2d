#pragma once

#include "browse/SearchDialog.h"

// The search dialog of the detailing criteria of HE, IPE, IPN and UPN windows.
class TFiltroDetailFm : public SearchDialog {
    Q_OBJECT

public:
    TFiltroDetailFm(Criteria criteria, const AppContext &context, QWidget *parent = nullptr);
};
