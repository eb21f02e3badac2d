#pragma once

#include "browse/FamilyWindow.h"

// The five section window classes: one design, told apart by the family
// each is created for.

// HE wide-flange beams; one window each for the HEA, HEB and HEM series,
// given the series when it is created.
class TILPFm : public FamilyWindow {
    Q_OBJECT
public:
    explicit TILPFm(SectionFamily series, QWidget *parent = nullptr) : FamilyWindow(familyInfo(series), parent) {}
};

class TIPEFm : public FamilyWindow {
    Q_OBJECT
public:
    explicit TIPEFm(QWidget *parent = nullptr) : FamilyWindow(familyInfo(SectionFamily::IPE), parent) {}
};

class TILIFm : public FamilyWindow {
    Q_OBJECT
public:
    explicit TILIFm(QWidget *parent = nullptr) : FamilyWindow(familyInfo(SectionFamily::IPN), parent) {}
};

class TULFm : public FamilyWindow {
    Q_OBJECT
public:
    explicit TULFm(QWidget *parent = nullptr) : FamilyWindow(familyInfo(SectionFamily::UPN), parent) {}
};

class TAngFm : public FamilyWindow {
    Q_OBJECT
public:
    explicit TAngFm(QWidget *parent = nullptr) : FamilyWindow(familyInfo(SectionFamily::ANG), parent) {}
};
