#include "data/SectionFamily.h"

#include "data/Declarations.h"

#include <array>

namespace {

const std::array<FamilyInfo, 7> kFamilies = {{
    {SectionFamily::HEA, "HEA", "HEA.DB", "H", "UNE-EN 10034:1994", &decl::iLamParTable},
    {SectionFamily::HEB, "HEB", "HEB.DB", "H", "UNE-EN 10034:1994", &decl::iLamParTable},
    {SectionFamily::HEM, "HEM", "HEM.DB", "H", "UNE-EN 10034:1994", &decl::iLamParTable},
    {SectionFamily::IPE, "IPE", "IPE.DB", "IPE", "UNE-EN 10034:1994", &decl::iLamParTable},
    {SectionFamily::IPN, "IPN", "IPN.db", "IPN", "UNE-EN 10024:1995", &decl::iLamIncTable},
    {SectionFamily::UPN, "UPN", "UPN.db", "UPN", "UNE-EN 10279:2001", &decl::uLamTable},
    {SectionFamily::ANG, "ANG", "Ang.db", "ANG", "UNE-EN 10056-2:1994", &decl::AngularTable},
}};

} // namespace

const FamilyInfo &familyInfo(SectionFamily family) { return kFamilies[size_t(family)]; }

std::span<const FamilyInfo> allFamilies() { return kFamilies; }

const FamilyInfo *familyByKey(const QString &key)
{
    for (const FamilyInfo &f : kFamilies) {
        if (key.compare(QLatin1String(f.key), Qt::CaseInsensitive) == 0)
            return &f;
    }
    return nullptr;
}

QString familyKeyOfFile(const QString &fileName) { return fileName.left(3).toUpper(); }
