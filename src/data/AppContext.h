#pragma once

#include <QString>

// The languages of the catalogue; the numbers are the codes the settings
// file stores.
enum class Language { English = 1, Spanish = 2 };

// The values the whole program shares: the application directory, the
// language and the family of the sheet being opened. The main window owns
// one and hands it to every window it creates; tests and the command-line
// tool make their own.
class AppContext {
public:
    // The directory of the executable, ending in a path separator.
    const QString &appDir() const { return m_appDir; }
    void setAppDir(const QString &dir);

    // Changed only by the main window's language switch.
    Language language() const { return m_language; }
    // "EN" or "ES": prefixes help file names and selects tolerance rows.
    QString languagePrefix() const;
    void setLanguage(Language language) { m_language = language; }

    // The family of the section whose sheet is being opened ("HEB", "ANG", ...).
    const QString &sheetFamilyKey() const { return m_sheetFamilyKey; }
    void setSheetFamilyKey(const QString &key) { m_sheetFamilyKey = key; }

    // A help file of the current language: AppDir + prefix + suffix, e.g.
    // suffix "-PFHelp.hlp".
    QString helpFile(const char *suffix) const;

private:
    QString m_appDir;
    Language m_language = Language::Spanish;
    QString m_sheetFamilyKey;
};
