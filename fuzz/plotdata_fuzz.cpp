#include "plots/plotdata.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

// Any bytes as a plot data file: at most 25 columns with names and units of
// at most 20 bytes, every column holds RowCount values between its minimum
// and maximum, and every proposal for a column comes back without hanging.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const pm::PlotData d = pm::ParsePlotData(std::string_view(reinterpret_cast<const char*>(data), size));
  if (d.ColumnCount < 0 || d.ColumnCount > pm::kPlotMaxColumns) std::abort();
  if (static_cast<int>(d.Columns.size()) != d.ColumnCount || d.RowCount < 0) std::abort();
  for (int c = 0; c < d.ColumnCount; ++c) {
    const pm::PlotDataColumn& column = d.Columns[static_cast<size_t>(c)];
    if (column.Name.size() > pm::kPlotNameLength || column.Unit.size() > pm::kPlotNameLength) std::abort();
    if (column.Name.empty()) std::abort();
    if (static_cast<int>(column.Data.size()) != d.RowCount) std::abort();
    if (d.RowCount == 0) continue;
    if (!(column.Min <= column.Max)) std::abort();
    for (double v : column.Data)
      if (!(column.Min <= v && v <= column.Max)) std::abort();
    long double lo = 0;
    long double hi = 0;
    pm::GetAxisDataRange(d, {c}, &lo, &hi);
    const pm::AxisProposal p = pm::ScaleMinMax(lo, hi, 5, 1);
    if (!(p.Min <= lo && hi <= p.Max)) std::abort();
  }
  return 0;
}
