#pragma once

#include "reports/PrintPicture.h"

#include <functional>

class AppContext;
class Report;
class ReportLabel;
class TIvTranslator;

// What the printed catalogues share around their own layout: their
// translator, the logo of the language and the version label after the
// software name.
namespace catalogue {

// The report's own translator over the targets, created on the report;
// onLanguage runs at each language change, and once at once when no
// dictionary translates (so the report still carries its logo).
TIvTranslator *attachTranslator(Report &report, const char *targets, std::function<void()> onLanguage);

// The logo of the context's language; English without a context.
PrintPicture languageLogo(const AppContext *context);

// Puts the version label the version gap right of the software name as the
// run's metrics measure it; nothing when the run has no metrics yet.
void placeVersion(Report &report, const ReportLabel &soft, ReportLabel &version);

} // namespace catalogue
