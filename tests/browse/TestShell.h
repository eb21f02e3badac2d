#pragma once

#include "support/TestContext.h"
#include "browse/FamilyWindow.h"
#include "browse/SectionWindows.h"
#include "browse/Shell.h"
#include "data/Table.h"

#include <QList>
#include <QPointer>

#include <memory>

// A stand-in for the main window: counts its child windows, records the
// calls to SetJanela and hands out the language logos.
class TestShell : public Shell {
public:
    TestShell() { Shell::setInstance(this); }
    ~TestShell() override { Shell::setInstance(nullptr); }

    void SetJanela(bool enabled) override { janela.append(enabled); }
    int childWindowCount() const override
    {
        int n = 0;
        for (const QPointer<QWidget> &w : children)
            n += w ? 1 : 0;
        return n;
    }
    void childClosing(QWidget *child) override { closing.append(child); }
    QPixmap languageLogo(Language language) const override
    {
        if (language != Language::English && language != Language::Spanish)
            return {};
        QPixmap p(54, 70);
        p.fill(language == Language::English ? Qt::blue : Qt::red);
        return p;
    }

    QList<QPointer<QWidget>> children;
    QList<bool> janela;
    QList<QWidget *> closing;
};

// The window of a family ("HEB", "ang"), created as the main window creates
// it, its tables not yet opened.
inline std::unique_ptr<FamilyWindow> makeFamilyWindow(const QString &key, AppContext &context = testContext())
{
    const FamilyInfo *family = familyByKey(key);
    if (!family)
        return nullptr;
    switch (family->family) {
    case SectionFamily::HEA:
    case SectionFamily::HEB:
    case SectionFamily::HEM:
        return std::make_unique<TILPFm>(family->family, context);
    case SectionFamily::IPE:
        return std::make_unique<TIPEFm>(context);
    case SectionFamily::IPN:
        return std::make_unique<TILIFm>(context);
    case SectionFamily::UPN:
        return std::make_unique<TULFm>(context);
    case SectionFamily::ANG:
        return std::make_unique<TAngFm>(context);
    }
    return nullptr;
}

// The window of a family with its tables opened, as a click would leave it.
inline std::unique_ptr<FamilyWindow> openWindow(const QString &key)
{
    std::unique_ptr<FamilyWindow> w = makeFamilyWindow(key);
    w->FormCreate();
    return w;
}

// The designations of the rows a window's section table accepts, in order.
inline QStringList designations(const FamilyWindow &w)
{
    QStringList d;
    const Table *t = w.sectionTable();
    for (int r = 0; r < t->recordCount(); ++r)
        d << t->value(r, t->fieldIndex(QStringLiteral("Designation"))).toString();
    return d;
}
