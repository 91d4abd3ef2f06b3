#pragma once

#include <QString>
#include <QStringList>

#include <string>
#include <string_view>
#include <vector>

namespace pm {

inline constexpr int kPlotMaxColumns = 25;
inline constexpr int kPlotNameLength = 20;

// One column of a plot data file. Names and units are the file's bytes.
struct PlotDataColumn {
  std::string Name;
  std::string Unit;
  double Min = 9e30;  // the start values stand while there are no rows
  double Max = -9e30;
  std::vector<double> Data;  // RowCount values, row order
};

struct PlotData {
  int ColumnCount = 0;
  int RowCount = 0;
  bool HasHeader = false;
  bool HasUnits = false;
  std::vector<PlotDataColumn> Columns;  // ColumnCount of them
};

// The field before the first blank, comma or TAB of line; line becomes the
// text after that separator, trimmed.
std::string_view NextToken(std::string_view* line);

// The columns of a plot data file's bytes. Line 1 holds names when its
// first or second character is a letter; after names, line 2 holds units
// unless its first field is a number. A data row is a line whose first
// ColumnCount blank-separated fields are all numbers; other lines are
// skipped.
PlotData ParsePlotData(std::string_view bytes);
// Reads the file (quotes removed). Returns 0, or the errno of a file that
// cannot be read, which gives no columns.
int ReadPlt(const QString& fileName, PlotData* data);

// The plot data files in a folder, as full paths: "*.PLT", then "*.O*"
// (the last extension begins with "O", any case), each sorted by name
// without regard to case. The engine's own "Quorvel.OUT" is left out on
// request.
QStringList PlotFilesIn(const QString& folder, bool withEngineOutput);
// Whether the folder of the input file holds a "*.PLT" or "*.O*" file (the
// engine's own output included); false without an input file.
bool HasPlotFiles(const QString& inputFileName);

// The range of the given columns (0-based); 1e60 and -1e60 when none.
void GetAxisDataRange(const PlotData& data, const std::vector<int>& columns, long double* dataMin,
                      long double* dataMax);

struct AxisProposal {
  long double Min = 0;
  long double Max = 0;
  int Ticks = 5;
  int Digits = 1;
  friend bool operator==(const AxisProposal&, const AxisProposal&) = default;
};
// A rounded axis range, tick count and decimals for data from dataMin to
// dataMax. Where nothing is proposed, ticks and digits come back as given.
AxisProposal ScaleMinMax(long double dataMin, long double dataMax, int ticks, int digits);

}  // namespace pm
