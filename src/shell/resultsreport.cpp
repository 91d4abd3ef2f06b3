#include "shell/resultsreport.h"

#include "common/lib1.h"
#include "platform/pathresolver.h"
#include "platform/textfile.h"
#include "shell/rundeck.h"
#include "shell/runconfiguration.h"

#include <cstddef>
#include <string_view>

namespace pm {

namespace {

struct TemplateRow {
  const char* word;
  const char* file;
};

constexpr TemplateRow kTemplates[] = {
    {"GHX", "Output_GHX.rtf"},         {"HYBRID", "Output_Hybrid.rtf"},
    {"HYBRE", "Output_Hybre.rtf"},     {"HYDFC", "Output_Hybrid_DFC.rtf"},
    {"CODFC", "Output_Conv_DFC.rtf"}, {"HYBOI", "Output_HyBoi.rtf"},
};

enum class Conversion { Thousandth, Energy, Temperature, TemperatureDifference, Pressure, Flow, None,
                        Length, CoolingCapacity, HeatRate };

struct SlotRow {
  int slot;
  int value;
  Conversion conversion;
  int decimals;
};

constexpr SlotRow kSlots[] = {
    {1, 3, Conversion::Thousandth, 2},
    {5, 30, Conversion::Thousandth, 2},
    {7, 26, Conversion::Thousandth, 2},
    {10, 35, Conversion::Thousandth, 2},
    {15, 39, Conversion::Thousandth, 2},
    {20, 40, Conversion::Thousandth, 2},
    {25, 38, Conversion::Thousandth, 2},
    {30, 36, Conversion::Thousandth, 2},
    {35, 42, Conversion::Energy, 1},
    {40, 15, Conversion::Energy, 1},
    {45, 6, Conversion::Energy, 1},
    {50, 9, Conversion::Energy, 1},
    {51, 7, Conversion::Energy, 1},
    {55, 11, Conversion::Energy, 1},
    {56, 13, Conversion::Energy, 1},
    {60, 4, Conversion::Temperature, 1},
    {65, 5, Conversion::Temperature, 1},
    {70, 41, Conversion::Pressure, 1},
    {71, 43, Conversion::Flow, 1},
    {73, 37, Conversion::None, 0},
    {75, 44, Conversion::Length, 0},
    {80, 49, Conversion::Temperature, 1},
    {85, 50, Conversion::Temperature, 1},
    {90, 47, Conversion::TemperatureDifference, 1},
    {91, 47, Conversion::Temperature, 1},  // the same value as slot 90, as the table gives it
    {93, 53, Conversion::Temperature, 1},
    {94, 51, Conversion::TemperatureDifference, 1},
    {95, 48, Conversion::Temperature, 1},
    {96, 52, Conversion::CoolingCapacity, 1},
    {97, 45, Conversion::CoolingCapacity, 0},
    {98, 46, Conversion::HeatRate, 0},
};

constexpr int kSlotWidth = 8;
constexpr size_t kSlotLimit = 20;

long double Convert(Conversion c, long double x, bool si) {
  switch (c) {
    case Conversion::Thousandth: return x / 1000;
    case Conversion::Energy: return ToEnergyUnits(x, si);
    case Conversion::Temperature: return ToTemperatureUnits(x, si);
    case Conversion::TemperatureDifference: return ToTemperatureDifferenceUnits(x, si);
    case Conversion::Pressure: return ToPressureUnits(x, si);
    case Conversion::Flow: return ToFlowUnits(x, si);
    case Conversion::Length: return ToLengthUnits(x, si);
    case Conversion::CoolingCapacity: return ToCoolingCapacityUnits(x, si);
    case Conversion::HeatRate: return ToHeatRateUnits(x, si);
    case Conversion::None: break;
  }
  return x;
}

std::string SlotText(long double x, int decimals) {
  std::string text = FormatNumber(TNumberFormat{1, static_cast<std::int16_t>(decimals)}, x);
  if (text.size() > kSlotLimit) text = FormatNumber(TNumberFormat{0, 4}, x);
  if (text.size() < static_cast<size_t>(kSlotWidth)) text.insert(0, kSlotWidth - text.size(), ' ');
  return text;
}

// Warning text shows as written: RTF's own characters are escaped, and
// "%" too, so no placeholder can come out of a warning.
std::string EscapedWarning(std::string_view line) {
  std::string out;
  out.reserve(line.size() + 8);
  for (const char c : line) {
    if (c == '\\' || c == '{' || c == '}') {
      out += '\\';
      out += c;
    } else if (c == '%') {
      out += "\\'25";
    } else {
      out += c;
    }
  }
  return out;
}

std::string Bytes(const char* s) { return std::string(s); }

}  // namespace

QString ReportTemplateFor(const QString& runDeckAsWritten) {
  const QString word = ConfigurationWord(
      runDeckAsWritten, {"GHX", "HYBRID", "HYBRE", "HYDFC", "CODFC", "HYBOI"});
  for (const TemplateRow& row : kTemplates)
    if (word == QLatin1String(row.word)) return QLatin1String(row.file);
  return QStringLiteral("Output_Conv.rtf");
}

QString ResultsFileOf(const QString& runTarget, bool optimization) {
  if (!optimization) return RunResultsFile(runTarget);
  QString base = runTarget.left(std::max<qsizetype>(0, runTarget.size() - 4));
  if (!base.isEmpty()) base[base.size() - 1] = QLatin1Char('2');
  return base + QStringLiteral("-RESULTS.TXT");
}

long double ToEnergyUnits(long double x, bool si) { return si ? x / 1000000 : x / 3600; }
long double ToTemperatureUnits(long double x, bool si) { return si ? x : x * 1.8L + 32; }
long double ToTemperatureDifferenceUnits(long double x, bool si) { return si ? x : x * 1.8L; }
long double ToPressureUnits(long double x, bool si) { return si ? x : x * 14.697L / 101.3L; }
long double ToLengthUnits(long double x, bool si) { return si ? x : x / 0.3048L; }
long double ToCoolingCapacityUnits(long double x, bool si) { return si ? x : x * 0.2843L; }
long double ToHeatRateUnits(long double x, bool si) { return si ? x : x * 3.412L; }
long double ToFlowUnits(long double x, bool si) { return si ? x : x * 15.85L; }

bool ReadResultsValues(const QString& path, std::array<long double, 100>* values) {
  values->fill(0);
  QByteArray bytes;
  if (ReadFileBytes(path, &bytes) != 0) return false;
  const std::vector<std::string> lines = SplitLines(bytes);
  if (lines.empty()) return false;
  std::string_view last = lines.back();
  while (!last.empty() && last.front() == ' ') last.remove_prefix(1);
  if (last.empty() || std::string_view("0123456789+-").find(last.front()) == std::string_view::npos)
    return false;
  size_t at = 0;
  for (long double& value : *values) {
    while (at < last.size() && (last[at] == ' ' || last[at] == '\t')) ++at;
    const size_t start = at;
    while (at < last.size() && last[at] != ' ' && last[at] != '\t') ++at;
    if (start == at) break;  // the line ended: the rest read as 0
    long double v = 0;
    if (TextToNumber(last.substr(start, at - start), &v)) value = v;
  }
  return true;
}

ReportSlots FillSlots(const std::array<long double, 100>& values, bool si) {
  ReportSlots slots;
  for (const SlotRow& row : kSlots)
    slots[static_cast<size_t>(row.slot)] =
        SlotText(Convert(row.conversion, values[static_cast<size_t>(row.value)], si), row.decimals);
  if (values[37] > 0.1L) slots[1] = "***";
  return slots;
}

void FillReportPlaceholders(std::string& text, const ReportFill& fill) {
  if (const size_t at = text.find("%%W"); at != std::string::npos) {
    std::string warnings;
    for (const std::string& line : fill.Warnings) {
      if (line.empty()) continue;
      // The blank ends the last control word, so a warning that begins
      // with a digit keeps it.
      warnings += EscapedWarning(line) + "\\par }{\\f1\\fs22\\insrsid8151840\\charrsid8151840 ";
    }
    text.replace(at, 3, warnings);
  }
  ReplaceAllText("%%O", fill.Optimization ? "Optimization " : "Specific Case ", text);
  const bool si = fill.SI;
  const std::string degrees = si ? Bytes("\xB0" "C") : Bytes("\xB0" "F");
  ReplaceAllText("%%P", si ? "kPa" : "psia", text);
  ReplaceAllText("%%F", si ? "l/s" : "gpm", text);
  ReplaceAllText("%%L", si ? "m" : "ft", text);
  ReplaceAllText("%%E", si ? "GJ" : "kWh", text);
  ReplaceAllText("%%T", degrees, text);
  ReplaceAllText("%%D", degrees, text);
  ReplaceAllText("%%C", si ? "kW" : "tons", text);
  ReplaceAllText("%%M", si ? "kW" : "MBtu/hr", text);
  ReplaceAllText("%%99", fill.Optimization ? "Optimal" : "", text);
  // Value placeholders, left to right until none is left. Each step
  // removes one "%%" and inserts no "%", so it ends; a "%" left before the
  // place may meet one after it, hence the step back.
  size_t from = 0;
  while (true) {
    const size_t at = text.find("%%", from);
    if (at == std::string::npos) break;
    size_t end = at + 2;
    long long n = 0;
    while (end < text.size() && text[end] >= '0' && text[end] <= '9') {
      if (n < 1000) n = n * 10 + (text[end] - '0');
      ++end;
    }
    std::string value;
    if (n >= 1 && n <= 199) {
      value = fill.Slots[static_cast<size_t>(n)];
      value.erase(0, value.find_first_not_of(' ') == std::string::npos ? value.size()
                                                                        : value.find_first_not_of(' '));
    }
    text.replace(at, end - at, value);
    from = at > 0 ? at - 1 : 0;
  }
}

std::vector<std::string> ReadWarnings(const QString& path) {
  std::vector<std::string> lines;
  if (ReadTextLines(path, &lines) != 0) lines.clear();
  return lines;
}

ResultsReport BuildResultsReport(const QString& runTarget, const QString& runFolder, bool optimization,
                                 bool si) {
  ResultsReport report;
  report.Template = ReportTemplateFor(RunDeckAsWritten(runTarget, runFolder));
  ReportFill fill;
  fill.Optimization = optimization;
  fill.SI = si;
  std::array<long double, 100> values{};
  if (ReadResultsValues(ResolveUnquoted(ResultsFileOf(runTarget, optimization)), &values))
    fill.Slots = FillSlots(values, si);
  // The template and the warnings lie where the run ran, wherever the
  // current folder went since.
  const QString folder =
      runFolder.isEmpty() || runFolder.endsWith(QLatin1Char('/')) ? runFolder : runFolder + QLatin1Char('/');
  QByteArray bytes;
  if (!FileExistsUnquoted(folder + report.Template) ||
      ReadFileBytes(ResolveUnquoted(folder + report.Template), &bytes) != 0)
    return report;
  report.TemplateFound = true;
  std::string text = bytes.toStdString();
  if (text.find("%%W") != std::string::npos)
    fill.Warnings = ReadWarnings(ResolveUnquoted(folder + QStringLiteral("warnings.dat")));
  FillReportPlaceholders(text, fill);
  report.Text = QByteArray::fromStdString(text);
  return report;
}

QString NoResultsMessage(const QString& resultsFile) {
  return QStringLiteral("The engine wrote no results: ") + resultsFile + QStringLiteral(" was not found.");
}

// The caption keeps the system's own spelling.
QString ResultsCaption(bool optimization) {
  return optimization ? QStringLiteral("Optimzation Results") : QStringLiteral("Specific Case Results");
}

}  // namespace pm
