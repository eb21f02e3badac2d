#pragma once

#include "data/AppContext.h"
#include "data/Record.h"
#include "data/SectionFamily.h"
#include "reports/Report.h"

class ReportLabel;
class ReportPicture;
class TIvTranslator;

// The tolerance catalogue: the tolerance tables of one section family, one
// framed picture each, in the current language. It reads its own copy of the
// tolerance table, whose record filter accepts only the rows of the profile
// key Ajusta gives and of the current language.
class ToleranceCatalogue : public Report {
    Q_OBJECT
public:
    // context gives the application directory and the language.
    explicit ToleranceCatalogue(const AppContext &context, QObject *parent = nullptr);

    // The family code (1 HEA ... 7 angles) picks the translated title (any
    // other code keeps the stored one); the norm text prints without its
    // leading and trailing blanks; the table opens from the application
    // directory with the rows of profileKey ("H", "IPE", ...). Errors of the
    // table escape.
    void Ajusta(int familyCode, const QString &normText, const QString &profileKey);
    // Accepts a tolerance row of the stored key in the current language;
    // both compared exactly.
    bool TabelaFilterRecord(const Record &record) const;
    // The report's own tolerance table.
    Table *table() const { return m_table; }

    // After each translation: the logo of the current language.
    void IvTranslator1LanguageChange();

    // The native title of a family code, or an empty string.
    static QString nativeTitle(int familyCode);
    // The code of a family: 1 HEA, 2 HEB, 3 HEM, 4 IPE, 5 IPN, 6 UPN, 7 angles.
    static int familyCode(SectionFamily family);

private:
    void buildPageHeader();
    void buildDetail();

    const AppContext *m_context;
    Table *m_table = nullptr;
    QString m_profileKey;
    ReportLabel *m_soft = nullptr;
    ReportLabel *m_version = nullptr;
    ReportLabel *m_title = nullptr;
    ReportLabel *m_norm = nullptr;
    ReportPicture *m_logo = nullptr;
    TIvTranslator *m_translator = nullptr;
};
