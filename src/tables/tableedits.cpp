#include "tables/tableedits.h"

#include "common/filenames.h"
#include "platform/cp1252.h"

#include <algorithm>
#include <new>

namespace pm {

QString VarNameTooLongMessage(const std::string& name) {
  return QStringLiteral("The name ") + FromCp1252(name) + QStringLiteral(" is too long for a table variable.");
}

bool VarNameFits(const std::string& name) { return static_cast<int>(name.size()) <= kVarNameCapacity; }

QString DeckNameTooLongMessage(const QString& path) {
  return QStringLiteral("The name of deck ") + path + QStringLiteral(" is too long for a table.");
}

TableModel NewTable(const QString& deck, int runs, const std::vector<std::string>& varNames) {
  TableModel table;
  table.Reset(runs, varNames);
  table.DeckFileName = deck;
  table.TableFileName = ChangeExt(deck, QStringLiteral(".TBL"));
  table.Changed = true;
  table.FirstRun = 1;
  table.LastRun = runs;
  return table;
}

void ChangeVariables(TableModel& table, const std::vector<std::string>& varNames) {
  for (TTableColumn& column : table.TableColumns) column.MatchIndex = 0;
  for (size_t e = 0; e < varNames.size(); ++e) {
    for (TTableColumn& column : table.TableColumns) {
      if (column.VarName == varNames[e]) {
        column.MatchIndex = static_cast<std::int16_t>(e + 1);
        break;
      }
    }
  }
  TableModel fresh;
  fresh.Reset(table.RunCount(), varNames);
  for (TTableColumn& column : table.TableColumns) {
    if (column.MatchIndex == 0) continue;
    TTableColumn& target = fresh.TableColumns[static_cast<size_t>(column.MatchIndex - 1)];
    target.Values = std::move(column.Values);
    target.Format = column.Format;
  }
  for (TTableColumn& column : fresh.TableColumns) column.MatchIndex = 0;
  table.TableColumns = std::move(fresh.TableColumns);
  table.Changed = true;
}

bool FitRunRange(int firstRun, int lastRun, int runs, RunRange* range) {
  const int first = std::max(firstRun, 1);
  if (first > runs) return false;
  const int last = std::min(lastRun, runs);
  range->first = first;
  range->last = std::max(last, first);
  return true;
}

void ClearColumnValues(TableModel& table, int column, RunRange range) {
  for (int r = range.first; r <= range.last; ++r) table.SetValue(column, r, EnterValueMarker);
  table.Changed = true;
}

void FillColumnValues(TableModel& table, int column, RunRange range, SeriesMode mode, long double first,
                      long double second) {
  long double step = 0;
  if (mode != SeriesMode::LastValue) {
    step = second;
  } else if (range.first < range.last) {
    step = (second - first) / static_cast<long double>(range.last - range.first);
  }
  long double x = first;
  for (int r = range.first; r <= range.last; ++r) {
    table.SetValue(column, r, x);
    x = mode == SeriesMode::Multiplier ? x * step : x + step;
  }
  table.Changed = true;
}

RunsCheck CheckRunsChange(int runs, bool insert, int rows, RunsPosition position, int afterRow,
                          RunsChange* change) {
  if (rows < 1) return RunsCheck::BadRows;
  const int delta = insert ? rows : -rows;
  if (static_cast<long long>(runs) + delta <= 0) return RunsCheck::CloseTable;
  int at = 0;
  switch (position) {
    case RunsPosition::AtTop:
      at = 0;
      break;
    case RunsPosition::AtBottom:
      at = runs;
      break;
    case RunsPosition::AfterRow:
      if (afterRow < 0 || afterRow > runs) return RunsCheck::BadAfterRow;
      at = afterRow;
      break;
  }
  if (!RunCountFits(static_cast<long long>(runs) + delta)) return RunsCheck::TooManyRuns;
  change->position = at;
  change->delta = delta;
  return RunsCheck::Ok;
}

bool ChangeRuns(TableModel& table, RunsChange change) {
  const int A = table.RunCount();
  const int N = change.delta;
  const int P = change.position;
  const int M = A + N;
  std::vector<std::vector<long double>> values;
  std::vector<QString> names;
  try {
    values.reserve(table.TableColumns.size());
    for (const TTableColumn& column : table.TableColumns) {
      const std::vector<long double>& old = column.Values;
      std::vector<long double> v(static_cast<size_t>(M) + 1, EnterValueMarker);
      v[0] = 0;
      for (int r = 1; r <= std::min(P, M); ++r) v[static_cast<size_t>(r)] = old[static_cast<size_t>(r)];
      for (int r = N > 0 ? P + N + 1 : P + 1; r <= M; ++r) v[static_cast<size_t>(r)] = old[static_cast<size_t>(r - N)];
      values.push_back(std::move(v));
    }
    names = table.RunDeckNames;
    names.resize(static_cast<size_t>(M) + 2);
  } catch (const std::bad_alloc&) {
    return false;
  }
  for (size_t i = 0; i < values.size(); ++i) table.TableColumns[i].Values = std::move(values[i]);
  table.RunDeckNames = std::move(names);
  table.SetRunCount(M);
  table.LastRun = M;
  table.Changed = true;
  return true;
}

}  // namespace pm
