#pragma once

#include <QByteArray>
#include <QString>

#include <array>
#include <string>
#include <vector>

namespace pm {

// The report template of a run deck's name (as the deck wrote it): the
// first configuration word found, "Output_Conv.rtf" when there is none.
QString ReportTemplateFor(const QString& runDeckAsWritten);

// The engine's results file of a run target: the name less its last 4
// characters, its last character then "2" after an optimization, and
// "-RESULTS.TXT".
QString ResultsFileOf(const QString& runTarget, bool optimization);

// The unit conversions of the report: si leaves every value as it is but
// energy.
long double ToEnergyUnits(long double x, bool si);
long double ToTemperatureUnits(long double x, bool si);
long double ToTemperatureDifferenceUnits(long double x, bool si);
long double ToPressureUnits(long double x, bool si);
long double ToLengthUnits(long double x, bool si);
long double ToCoolingCapacityUnits(long double x, bool si);
long double ToHeatRateUnits(long double x, bool si);
long double ToFlowUnits(long double x, bool si);

// The 100 numbers of a results file's last line. False (and no values)
// when the file is missing or its last line does not begin with a digit or
// a sign; a token that is no number, and a missing one, read as 0.
bool ReadResultsValues(const QString& path, std::array<long double, 100>* values);

// Value slots 1..199 (index 0 unused), filled from the values by the
// report's slot table: right-aligned in 8 characters with the slot's
// decimals. A value whose fixed text would pass 20 characters is written
// in exponent form instead, so no digit is ever cut.
using ReportSlots = std::array<std::string, 200>;
ReportSlots FillSlots(const std::array<long double, 100>& values, bool si);

// What the placeholders of a template are filled with.
struct ReportFill {
  ReportSlots Slots;                  // empty when there were no results
  std::vector<std::string> Warnings;  // lines of "warnings.dat", as read
  bool Optimization = false;
  bool SI = true;
};

// Replaces every placeholder of an RTF template: "%%W" by the warnings
// (their "\", "{", "}" and "%" escaped, so they show as written), every
// "%%O" and unit placeholder, then every "%%" + digits by its value slot
// until no "%%" is left.
void FillReportPlaceholders(std::string& text, const ReportFill& fill);

// The lines of "warnings.dat"; none when it is missing.
std::vector<std::string> ReadWarnings(const QString& path);

// The report of a run, from the files: the template and "warnings.dat" of
// the run folder (the current folder before any run), the results file
// beside the run deck.
struct ResultsReport {
  QString Template;            // its name, as the template table gives it
  bool TemplateFound = false;  // false: nothing else was read
  QByteArray Text;             // the filled template
};
ResultsReport BuildResultsReport(const QString& runTarget, const QString& runFolder, bool optimization, bool si);

// "The engine wrote no results: <resultsFile> was not found."
QString NoResultsMessage(const QString& resultsFile);

// "Optimzation Results" after an optimization, else "Specific Case Results".
QString ResultsCaption(bool optimization);

}  // namespace pm
