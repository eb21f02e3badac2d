#include "i18n/IvCustomDictionary.h"

#include "i18n/IvErrors.h"
#include "i18n/IvLocales.h"

#include <QLocale>

#include <algorithm>

namespace {

constexpr QChar kSeparator(0x7f);

QString entryKey(const QString &native, const QString &className, const QString &component)
{
    return native + kSeparator + className + kSeparator + component;
}

// A four-digit year where a date format has a two-digit one.
QString year2000(QString format)
{
    if (!format.contains(QLatin1String("yyyy"))) {
        const qsizetype at = format.indexOf(QLatin1String("yy"));
        if (at >= 0)
            format.insert(at, QLatin1String("yy"));
    }
    return format;
}

} // namespace

TIvCustomDictionary::TIvCustomDictionary(QObject *parent, const QString &name) : TIvDictionary(parent, name) {}

TIvLanguageInfo TIvCustomDictionary::normalised(TIvLanguageInfo language)
{
    if (language.primary == 0) {
        language.sub = 0;
        language.subLanguages.clear();
        language.secondList.clear();
        language.englishName = QStringLiteral("Native");
        language.nativeName = QStringLiteral("Native");
    } else {
        if (language.sub < 1)
            language.sub = language.subLanguages.isEmpty() ? 1 : language.subLanguages.first();
        if (language.isoLanguage.isEmpty())
            language.isoLanguage = ivlocale::isoLanguageCode(language.primary);
        if (language.isoCountry.isEmpty())
            language.isoCountry = ivlocale::isoCountryCode(language.primary, language.sub);
        if (language.englishName.isEmpty())
            language.englishName = ivlocale::englishLanguageName(language.primary);
        if (language.nativeName.isEmpty())
            language.nativeName = ivlocale::nativeLanguageName(language.primary, language.sub);
    }
    if (language.codePage == 0) {
        const int codePage = ivlocale::defaultCodePage(language.primary);
        language.codePage = codePage != 0 ? codePage : 1252;
    }
    if (language.charset == 0)
        language.charset = ivlocale::charsetOfCodePage(language.codePage);
    return language;
}

QList<TIvLanguageInfo> TIvCustomDictionary::normalisedLanguages() const
{
    QList<TIvLanguageInfo> list = readLanguages();
    for (auto &language : list)
        language = normalised(language);
    return list;
}

int TIvCustomDictionary::languageCount() const
{
    checkData();
    return readSummary().languageCount;
}

QList<TIvLanguageInfo> TIvCustomDictionary::languages() const
{
    checkData();
    return normalisedLanguages();
}

bool TIvCustomDictionary::isSystemCodePage(int codePage) const
{
    return m_systemCodePage == ivUnicodeCodePage || codePage == m_systemCodePage;
}

bool TIvCustomDictionary::codePageInstalled(int codePage) const
{
    // On a Unicode system every code page is there; otherwise only its own.
    return codePage == 0 || isSystemCodePage(codePage);
}

bool TIvCustomDictionary::usable(const TIvLanguageInfo &language) const
{
    if (m_checkLevel == ivclNone)
        return true;
    if (language.primary == 0 || language.primary == ivPrimaryEnglish || language.primary == ivPrimaryIndonesian)
        return true;
    if (m_checkLevel == ivclSystem)
        return (language.flags & 0x02) != 0 || codePageInstalled(language.codePage);
    return language.codePage == 0 || isSystemCodePage(language.codePage);
}

int TIvCustomDictionary::firstUsable(const QList<TIvLanguageInfo> &languages) const
{
    int start = m_master;
    if (start < 0 || start >= languages.size())
        start = 0;
    for (int i = start; i < languages.size(); ++i)
        if (usable(languages.at(i)))
            return i;
    throw EIvMulti(QStringLiteral("System does not support any language of the dicitonary!"));
}

int TIvCustomDictionary::fallbackOf(int index, const QList<TIvLanguageInfo> &languages) const
{
    const TIvLanguageInfo &language = languages.at(index);
    if (!language.subLanguages.isEmpty()) {
        for (int i = 0; i < languages.size(); ++i)
            if (languages.at(i).primary == language.primary && languages.at(i).subLanguages.isEmpty())
                return i;
        for (int i = 0; i < languages.size(); ++i)
            if (languages.at(i).primary == language.primary)
                return i;
        return -1;
    }
    return m_master > 0 && m_master < languages.size() ? m_master : -1;
}

int TIvCustomDictionary::matchLocale(int lcid, const QList<TIvLanguageInfo> &languages)
{
    if (lcid == 0)
        return languages.isEmpty() ? -1 : 0;
    const int primary = ivPrimaryOf(lcid);
    const int sub = ivSubOf(lcid);
    for (int i = 0; i < languages.size(); ++i) {
        const auto &l = languages.at(i);
        if (l.primary == primary && (l.sub == sub || l.subLanguages.contains(sub)))
            return i;
    }
    for (int i = 0; i < languages.size(); ++i)
        if (languages.at(i).primary == primary && languages.at(i).subLanguages.isEmpty())
            return i;
    for (int i = 0; i < languages.size(); ++i)
        if (languages.at(i).primary == primary)
            return i;
    return -1;
}

TIvCustomDictionary::Choice TIvCustomDictionary::choiceFor(int index, const QList<TIvLanguageInfo> &languages) const
{
    if (index < 0)
        index = firstUsable(languages);
    if (index >= languages.size())
        throw EIvRangeError(QStringLiteral("Out of language range"));
    Choice choice;
    choice.index = index;
    choice.native = languages.at(0);
    choice.info = languages.at(index);
    choice.fallback = fallbackOf(index, languages);
    if (!usable(choice.info)) {
        if (m_checkLevel == ivclSystem)
            throw EIvMulti(choice.info.englishName + QStringLiteral(" is not supported by the system"));
        throw EIvMulti(choice.info.englishName + QStringLiteral(" is not supported by the code page"));
    }
    return choice;
}

TIvCustomDictionary::Choice TIvCustomDictionary::chooseLanguage(int requested,
                                                                const QList<TIvLanguageInfo> &languages) const
{
    int index = requested;
    if (requested == -1)
        index = matchLocale(ivlocale::userDefaultLcid(), languages);
    else if (requested == -2)
        index = matchLocale(ivlocale::systemDefaultLcid(), languages);
    else if (requested < 0)
        index = -1;
    return choiceFor(index, languages);
}

TIvCustomDictionary::AppliedLocale TIvCustomDictionary::localeFor(int lcid) const
{
    AppliedLocale applied;
    // The user's and the system's default stand for the system's own
    // locale, which keeps its formats exactly as the desktop sets them.
    const bool systemLocale = lcid == 0 || lcid == ivLcidUserDefault || lcid == ivLcidSystemDefault;
    if (lcid == ivLcidUserDefault)
        lcid = ivlocale::userDefaultLcid();
    else if (lcid == ivLcidSystemDefault)
        lcid = ivlocale::systemDefaultLcid();
    applied.lcid = lcid;
    bool found = false;
    if (lcid != 0 && readSummary().localeCount > 0) {
        for (const TIvLocaleInfo &custom : readCustomLocales())
            if (custom.lcid == lcid) {
                applied.info = custom;
                applied.info.custom = true;
                applied.info.qlocale = ivlocale::toQLocale(lcid);
                found = true;
                break;
            }
    }
    if (!found)
        applied.info = systemLocale ? ivlocale::localeInfoOf(QLocale::system(), lcid) : ivlocale::systemLocaleInfo(lcid);
    if (options().testFlag(ivdoYear2000)) {
        applied.info.shortDateFormat = year2000(applied.info.shortDateFormat);
        applied.info.longDateFormat = year2000(applied.info.longDateFormat);
    }
    const int primary = ivPrimaryOf(lcid);
    const bool alwaysPasses = primary == 0 || primary == ivPrimaryEnglish || primary == ivPrimaryIndonesian;
    if (!alwaysPasses) {
        const int codePage = applied.info.codePage;
        if (m_checkLevel == ivclSystem && !codePageInstalled(codePage))
            throw EIvMulti(QStringLiteral("The locale (%1, %2) is not supported by the system")
                               .arg(primary)
                               .arg(ivSubOf(lcid)));
        if (m_checkLevel == ivclCodePage && codePage != 0 && !isSystemCodePage(codePage))
            throw EIvMulti(QStringLiteral("The locale (%1, %2) is not supported by the current code page")
                               .arg(primary)
                               .arg(ivSubOf(lcid)));
    }
    return applied;
}

void TIvCustomDictionary::commit(const Choice &choice)
{
    m_current = choice.index;
    m_fallback = choice.fallback;
    m_info = choice.info;
    m_nativeInfo = choice.native;
}

void TIvCustomDictionary::commit(const AppliedLocale &locale)
{
    m_activeLcid = locale.lcid;
    m_localeInfo = locale.info;
}

void TIvCustomDictionary::open()
{
    if (m_open || !enabled() || !filePresent())
        return;
    m_openFailed = false;
    try {
        checkData();
        m_contextKind = readSummary().contextKind;
        const QList<TIvLanguageInfo> list = normalisedLanguages();
        switch (m_binding) {
        case ivbiNone: {
            const Choice choice = chooseLanguage(m_language, list);
            const AppliedLocale locale = localeFor(localeId());
            commit(choice);
            commit(locale);
            break;
        }
        case ivbiLocaleToLanguage: {
            const Choice choice = chooseLanguage(m_language, list);
            commit(localeFor(choice.info.lcid()));
            commit(choice);
            break;
        }
        case ivbiLanguageToLocale: {
            const AppliedLocale locale = localeFor(localeId());
            const Choice choice = choiceFor(matchLocale(locale.lcid, list), list);
            commit(locale);
            commit(choice);
            m_language = choice.index;
            break;
        }
        }
        installQtTranslator();
        m_open = true;
        changed(true, true);
    } catch (...) {
        close();
        m_openFailed = true;
        throw;
    }
}

void TIvCustomDictionary::close()
{
    m_openFailed = false;
    removeQtTranslator();
    releaseTranslators();
    resetState();
}

void TIvCustomDictionary::resetState()
{
    m_open = false;
    m_entries.clear();
    m_current = 0;
    m_fallback = -1;
    m_info = TIvLanguageInfo();
    m_nativeInfo = TIvLanguageInfo();
}

void TIvCustomDictionary::setLanguage(int language)
{
    if (!m_open) {
        m_language = language;
        return;
    }
    if (language < -2 || language >= languageCount())
        throw EIvRangeError(QStringLiteral("Language index %1 is out of range").arg(language));
    if (language == m_language)
        return;
    // The new language and locale are taken only when both pass their checks.
    const QList<TIvLanguageInfo> list = normalisedLanguages();
    const Choice choice = chooseLanguage(language, list);
    bool localeChanged = false;
    if (m_binding == ivbiLocaleToLanguage) {
        const AppliedLocale locale = localeFor(choice.info.lcid());
        localeChanged = locale.lcid != m_activeLcid;
        commit(locale);
    }
    m_language = language;
    commit(choice);
    changed(true, localeChanged);
}

void TIvCustomDictionary::setPrimaryLanguage(int primary) { setLocaleId(ivMakeLcid(primary, m_sub)); }

void TIvCustomDictionary::setSubLanguage(int sub) { setLocaleId(ivMakeLcid(m_primary, sub)); }

void TIvCustomDictionary::setLocaleId(int lcid)
{
    if (!m_open || lcid == localeId()) {
        m_primary = ivPrimaryOf(lcid);
        m_sub = ivSubOf(lcid);
        return;
    }
    const AppliedLocale locale = localeFor(lcid);
    bool languageChanged = false;
    Choice choice;
    if (m_binding == ivbiLanguageToLocale) {
        const QList<TIvLanguageInfo> list = normalisedLanguages();
        choice = choiceFor(matchLocale(locale.lcid, list), list);
        languageChanged = choice.index != m_current;
    }
    m_primary = ivPrimaryOf(lcid);
    m_sub = ivSubOf(lcid);
    commit(locale);
    if (languageChanged) {
        commit(choice);
        m_language = choice.index;
    }
    changed(languageChanged, true);
}

void TIvCustomDictionary::reloadEntries()
{
    m_entries.clear();
    const QList<TIvTranslationRecord> records = readTranslations();
    const bool contexts = m_contextKind != ivckNone;
    const auto column = [](const TIvTranslationRecord &r, int language) {
        return language >= 1 && language - 1 < r.columns.size() ? r.columns.at(language - 1) : QString();
    };
    for (const TIvTranslationRecord &record : records) {
        TIvTranslationEntry entry;
        const QString current = column(record, m_current);
        if (!current.isEmpty()) {
            entry.translation = current;
        } else {
            const QString fallback = column(record, m_fallback);
            if (fallback.isEmpty())
                continue;
            entry.translation = fallback;
            entry.fromFallback = true;
        }
        entry.native = record.native;
        if (contexts) {
            // A part of the context that the data does not carry stays empty
            // in the key, so lookups leave it out on both sides.
            if (m_contextKind != ivckComponent)
                entry.className = record.className;
            if (m_contextKind != ivckClass)
                entry.component = record.component;
            entry.key = entryKey(entry.native, entry.className, entry.component);
            entry.nativeKey = entry.native + kSeparator;
        } else {
            entry.key = entry.native;
            entry.nativeKey = entry.native;
        }
        m_entries.append(entry);
    }
    std::stable_sort(m_entries.begin(), m_entries.end(),
                     [](const TIvTranslationEntry &a, const TIvTranslationEntry &b) { return a.key < b.key; });
}

const TIvTranslationEntry *TIvCustomDictionary::plainEntry(const QString &native) const
{
    const bool contexts = m_contextKind != ivckNone;
    const QString wanted = contexts ? native + kSeparator : native;
    const auto at = std::lower_bound(m_entries.cbegin(), m_entries.cend(), wanted,
                                     [](const TIvTranslationEntry &e, const QString &w) { return e.nativeKey < w; });
    if (at == m_entries.cend() || at->nativeKey != wanted)
        return nullptr;
    return &*at;
}

const TIvTranslationEntry *TIvCustomDictionary::contextEntry(const QString &native, const QString &className,
                                                             const QString &componentName) const
{
    if (m_contextKind == ivckNone)
        return plainEntry(native);
    const QString wanted = entryKey(native, m_contextKind == ivckComponent ? QString() : className,
                                    m_contextKind == ivckClass ? QString() : componentName);
    const auto at = std::lower_bound(m_entries.cbegin(), m_entries.cend(), wanted,
                                     [](const TIvTranslationEntry &e, const QString &w) { return e.key < w; });
    if (at == m_entries.cend() || at->key != wanted)
        return nullptr;
    return &*at;
}

std::optional<QString> TIvCustomDictionary::plainLookup(const QString &native) const
{
    if (const TIvTranslationEntry *entry = plainEntry(native))
        return entry->translation;
    return std::nullopt;
}

std::optional<QString> TIvCustomDictionary::contextLookup(const QString &native, const QString &className,
                                                          const QString &componentName) const
{
    if (const TIvTranslationEntry *entry = contextEntry(native, className, componentName))
        return entry->translation;
    return std::nullopt;
}

void TIvCustomDictionary::changed(bool languageChanged, bool localeChanged)
{
    if (languageChanged)
        reloadEntries();
    if (localeChanged && options().testFlag(ivdoUpdateLocaleVariables))
        QLocale::setDefault(m_localeInfo.qlocale);
    notifyTranslators(languageChanged, localeChanged);
}
