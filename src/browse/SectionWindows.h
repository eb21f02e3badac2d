#pragma once

#include "browse/FamilyWindow.h"

// The five section window classes: one design, five descriptions.

// HE wide-flange beams; one window each for the HEA, HEB and HEM series.
class TILPFm : public FamilyWindow {
    Q_OBJECT
public:
    explicit TILPFm(QWidget *parent = nullptr) : FamilyWindow(family::HE, parent) {}
};

class TIPEFm : public FamilyWindow {
    Q_OBJECT
public:
    explicit TIPEFm(QWidget *parent = nullptr) : FamilyWindow(family::IPE, parent) {}
};

class TILIFm : public FamilyWindow {
    Q_OBJECT
public:
    explicit TILIFm(QWidget *parent = nullptr) : FamilyWindow(family::IPN, parent) {}
};

class TULFm : public FamilyWindow {
    Q_OBJECT
public:
    explicit TULFm(QWidget *parent = nullptr) : FamilyWindow(family::UPN, parent) {}
};

class TAngFm : public FamilyWindow {
    Q_OBJECT
public:
    explicit TAngFm(QWidget *parent = nullptr) : FamilyWindow(family::ANG, parent) {}
};
