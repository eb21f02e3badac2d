#include "reports/CatalogueChrome.h"

#include "browse/Art.h"
#include "browse/ErrorReport.h"
#include "data/AppContext.h"
#include "i18n/IvDictionary.h" // IvTranslator.h reads a QPointer<TIvDictionary> inline
#include "i18n/IvTranslator.h"
#include "reports/CatalogueLayout.h"
#include "reports/Report.h"
#include "reports/ReportItems.h"

namespace catalogue {

TIvTranslator *attachTranslator(Report &report, const char *targets, std::function<void()> onLanguage)
{
    auto *translator = new TIvTranslator(&report);
    translator->setObjectName(QStringLiteral("IvTranslator1"));
    translator->setDictionaryName(QStringLiteral("Dictionary1"));
    translator->setTargetsData(QString::fromLatin1(targets));
    QObject::connect(translator, &TIvTranslator::OnLanguageChange, &report, guard(onLanguage));
    translator->loaded();
    if (!translator->translated())
        onLanguage();
    return translator;
}

PrintPicture languageLogo(const AppContext *context)
{
    const bool english = !context || context->language() == Language::English;
    return PrintPicture::fromFile(art::resourcePath(english ? QStringLiteral("logo-en") : QStringLiteral("logo-es")));
}

void placeVersion(Report &report, const ReportLabel &soft, ReportLabel &version)
{
    if (TextMeasure *measure = report.textMeasure()) {
        const QRectF name = soft.textRect_mm(*measure, soft.caption());
        version.setPosition_mm(name.right() + kVersionGap_mm, version.position_mm().y());
    }
}

} // namespace catalogue
