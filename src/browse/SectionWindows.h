#pragma once

#include "browse/FamilyWindow.h"

// The five section window classes: one design, told apart by the family
// each is created for.

// HE wide-flange beams; one window each for the HEA, HEB and HEM series,
// given the series when it is created.
class TILPFm : public FamilyWindow {
    Q_OBJECT
public:
    TILPFm(SectionFamily series, AppContext &context, QWidget *parent = nullptr)
        : FamilyWindow(familyInfo(series), context, parent)
    {
    }
};

class TIPEFm : public FamilyWindow {
    Q_OBJECT
public:
    explicit TIPEFm(AppContext &context, QWidget *parent = nullptr)
        : FamilyWindow(familyInfo(SectionFamily::IPE), context, parent)
    {
    }
};

class TILIFm : public FamilyWindow {
    Q_OBJECT
public:
    explicit TILIFm(AppContext &context, QWidget *parent = nullptr)
        : FamilyWindow(familyInfo(SectionFamily::IPN), context, parent)
    {
    }
};

class TULFm : public FamilyWindow {
    Q_OBJECT
public:
    explicit TULFm(AppContext &context, QWidget *parent = nullptr)
        : FamilyWindow(familyInfo(SectionFamily::UPN), context, parent)
    {
    }
};

class TAngFm : public FamilyWindow {
    Q_OBJECT
public:
    explicit TAngFm(AppContext &context, QWidget *parent = nullptr)
        : FamilyWindow(familyInfo(SectionFamily::ANG), context, parent)
    {
    }
};
