#include "plots/plotdata.h"

#include "common/lib1.h"
#include "platform/pathresolver.h"
#include "platform/textfile.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <cmath>

namespace pm {

namespace {

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= 32; }

std::string_view Trimmed(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// The non-empty fields of a trimmed line, at most 25, each cut to 20 bytes.
std::vector<std::string> HeaderFields(std::string_view line) {
  std::vector<std::string> out;
  while (!line.empty() && static_cast<int>(out.size()) < kPlotMaxColumns) {
    const std::string_view field = NextToken(&line);
    if (!field.empty()) out.emplace_back(field.substr(0, kPlotNameLength));
  }
  return out;
}

bool HasField(std::string_view line) {
  return std::any_of(line.begin(), line.end(), [](char c) { return !IsBlank(c); });
}

// The first count blank-separated fields of a line; false when there are
// fewer or one of them is no number.
bool ReadRow(std::string_view line, int count, double* values) {
  const char* p = line.data();
  const char* end = p + line.size();
  for (int c = 0; c < count; ++c) {
    while (p != end && IsBlank(*p)) ++p;
    if (p == end) return false;
    const char* start = p;
    while (p != end && !IsBlank(*p)) ++p;
    if (!TextToDouble(std::string_view(start, static_cast<size_t>(p - start)), &values[c])) return false;
  }
  return true;
}

// Reads the rows of the data part: counts the lines that may be rows, gives
// each column room for that many once, then keeps the lines that read.
void ReadRows(std::string_view rows, PlotData* data) {
  size_t candidates = 0;
  LineWalker counter(rows);
  std::string_view line;
  while (counter.Next(&line))
    if (HasField(line)) ++candidates;
  const int columns = data->ColumnCount;
  for (PlotDataColumn& column : data->Columns) column.Data.reserve(candidates);
  double values[kPlotMaxColumns];
  LineWalker walker(rows);
  int count = 0;
  while (walker.Next(&line)) {
    if (!ReadRow(line, columns, values)) continue;
    for (int c = 0; c < columns; ++c) {
      PlotDataColumn& column = data->Columns[static_cast<size_t>(c)];
      const double v = values[c];
      column.Data.push_back(v);
      if (count == 0 || v < column.Min) column.Min = v;
      if (count == 0 || v > column.Max) column.Max = v;
    }
    ++count;
  }
  data->RowCount = count;
}

}  // namespace

std::string_view NextToken(std::string_view* line) {
  const size_t end = line->find_first_of(" ,\t");
  const std::string_view field = line->substr(0, end);
  *line = end == std::string_view::npos ? std::string_view() : Trimmed(line->substr(end + 1));
  return field;
}

PlotData ParsePlotData(std::string_view bytes) {
  PlotData data;
  LineWalker walker(bytes);
  std::string_view line;
  if (!walker.Next(&line)) return data;
  const std::string_view first = Trimmed(line);
  const std::vector<std::string> fields = HeaderFields(first);
  if (fields.empty()) return data;
  data.ColumnCount = static_cast<int>(fields.size());
  data.Columns.resize(fields.size());
  data.HasHeader = IsLetter(first[0]) || (first.size() > 1 && IsLetter(first[1]));
  if (!data.HasHeader) {
    data.Columns[0].Name = "TIME";
    for (int k = 2; k <= data.ColumnCount; ++k)
      data.Columns[static_cast<size_t>(k - 1)].Name = "Col " + std::to_string(k);
    ReadRows(bytes, &data);
    return data;
  }
  for (size_t k = 0; k < fields.size(); ++k) data.Columns[k].Name = fields[k];
  std::string_view rows = walker.Rest();
  if (walker.Next(&line)) {
    // Line 2 is data when its first field is a number, else units.
    const std::string_view second = Trimmed(line);
    std::string_view rest = second;
    if (second.empty() || !TextToNumber(NextToken(&rest), nullptr)) {
      data.HasUnits = true;
      const std::vector<std::string> units = HeaderFields(second);
      for (size_t k = 0; k < units.size() && k < data.Columns.size(); ++k) data.Columns[k].Unit = units[k];
      rows = walker.Rest();
    }
  }
  ReadRows(rows, &data);
  return data;
}

int ReadPlt(const QString& fileName, PlotData* data) {
  *data = PlotData();
  QByteArray bytes;
  const int code = ReadFileBytes(StripQuotes(fileName), &bytes);
  if (code != 0) return code;
  *data = ParsePlotData(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
  return 0;
}

QStringList PlotFilesIn(const QString& folder, bool withEngineOutput) {
  if (folder.isEmpty()) return {};
  QStringList plt;
  QStringList other;
  const QDir dir(folder);
  const QFileInfoList entries = dir.entryInfoList(QDir::Files, QDir::Name | QDir::IgnoreCase);
  for (const QFileInfo& entry : entries) {
    const QString key = ExtensionKey(entry.fileName());
    if (key == QLatin1String(".PLT")) {
      plt << entry.absoluteFilePath();
    } else if (key.startsWith(QLatin1String(".O"))) {
      if (withEngineOutput || entry.fileName().compare(QLatin1String("Quorvel.OUT"), Qt::CaseInsensitive) != 0)
        other << entry.absoluteFilePath();
    }
  }
  return plt + other;
}

bool HasPlotFiles(const QString& inputFileName) {
  if (inputFileName.isEmpty()) return false;
  return !PlotFilesIn(QFileInfo(StripQuotes(inputFileName)).absolutePath(), true).isEmpty();
}

void GetAxisDataRange(const PlotData& data, const std::vector<int>& columns, long double* dataMin,
                      long double* dataMax) {
  *dataMin = 1e60L;
  *dataMax = -1e60L;
  for (int c : columns) {
    if (c < 0 || c >= data.ColumnCount) continue;
    const PlotDataColumn& column = data.Columns[static_cast<size_t>(c)];
    *dataMin = std::min<long double>(*dataMin, column.Min);
    *dataMax = std::max<long double>(*dataMax, column.Max);
  }
}

namespace {

// Trunc(X / Step) x Step. Quotients beyond the int64 range are whole
// numbers already.
long double TruncToStep(long double x, long double step) {
  const long double q = x / step;
  const long double whole = std::fabs(q) < 9e18L ? static_cast<long double>(CheckedTrunc(q)) : q;
  return whole * step;
}

// Steps too small for the size of the values would never arrive.
constexpr int kStepLimit = 100;

int ChooseTickCount(long double Min, long double Max, long double Step) {
  long double X = (Max - Min) / Step;
  for (int i = 0; X < 10 && i < kStepLimit; ++i) X *= 10;
  for (int N = 9; N >= 3; --N)
    if (std::fabs(static_cast<long double>(CheckedRound(X / N)) * N - X) < 1e-6L) return N;
  return 5;
}

int ChooseDigits(int Exponent, long double Min, long double Max, int Ticks) {
  if (std::abs(Exponent) >= 5) return 3;
  const std::int64_t C = CheckedRound(DecimalLog((Max - Min) / Ticks));
  return C <= 0 ? static_cast<int>(std::min<std::int64_t>(1 - C, 1000)) : 0;
}

int FewerTicks(int N) {
  --N;
  return N < 5 ? N * 2 : N;
}

}  // namespace

AxisProposal ScaleMinMax(long double dataMin, long double dataMax, int ticks, int digits) {
  AxisProposal r{dataMin, dataMax, ticks, digits};
  const long double Range = dataMax - dataMin;
  if (Range == EnterValueMarker || Range == InfiniteValue) return r;
  if (std::fabs(Range) < 1e-9L) {
    r.Max = dataMax + 0.5L;
    r.Min = dataMin - 0.5L;
    return r;
  }
  if (!(Range > 0)) return r;
  const int Exponent = static_cast<int>(CheckedTrunc(DecimalLog(Range)));
  long double Step = RaiseToPower(Exponent, 10);
  if (Step / 5 > Range) {
    Step /= 5;
  } else if (Range < Step / 2) {
    Step /= 2;
  }
  long double Min = TruncToStep(dataMin, Step);
  for (int i = 0; Min > dataMin && i < kStepLimit; ++i) Min -= Step;
  if (Min > dataMin) Min = dataMin;
  long double Max = TruncToStep(dataMax + 0.99L * Step, Step);
  for (int i = 0; Max < dataMax && i < kStepLimit; ++i) Max += Step;
  if (Max < dataMax) Max = dataMax;
  int Ticks = ChooseTickCount(Min, Max, Step);
  r.Digits = ChooseDigits(Exponent, Min, Max, Ticks);
  bool changed = true;
  for (int pass = 0; changed && pass < kStepLimit; ++pass) {
    changed = false;
    int N = Ticks;
    if (N == 5) {
      Ticks = 10;
      N = 10;
      changed = true;
    }
    const long double Top = Min + (N - 1) * (Max - Min) / N;
    if (dataMax <= Top) {
      N = FewerTicks(N);
      Max = Top;
      Ticks = N;
      changed = true;
    }
    const long double Bottom = Min + (Max - Min) / N;
    if (dataMin >= Bottom) {
      N = FewerTicks(N);
      Min = Bottom;
      Ticks = N;
      changed = true;
    }
  }
  r.Min = Min;
  r.Max = Max;
  r.Ticks = Ticks;
  return r;
}

}  // namespace pm
