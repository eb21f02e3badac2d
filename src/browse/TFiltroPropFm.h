#pragma once

#include "browse/SearchDialog.h"

// The search dialog of the property criteria of HE, IPE, IPN and UPN windows.
class TFiltroPropFm : public SearchDialog {
    Q_OBJECT

public:
    TFiltroPropFm(Criteria criteria, const AppContext &context, QWidget *parent = nullptr);
};
