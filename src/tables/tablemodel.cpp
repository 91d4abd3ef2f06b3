#include "tables/tablemodel.h"

#include "platform/cp1252.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace pm {

QString RunCountMessage() { return QStringLiteral("A table can hold from 0 to 9999 runs."); }

bool RunCountFits(long long runs) { return runs >= 0 && runs <= kMaxTableRuns; }

void TableModel::Reset(int runs, const std::vector<std::string>& varNames) {
  runCount_ = runs;
  TableColumns.clear();
  TableColumns.reserve(varNames.size());
  for (const std::string& name : varNames) {
    TTableColumn column;
    column.ColumnNumber = static_cast<std::int16_t>(TableColumns.size() + 1);
    column.VarName = name;
    column.Values.assign(static_cast<size_t>(runs) + 1, EnterValueMarker);
    column.Values[0] = 0;
    TableColumns.push_back(std::move(column));
  }
  RunDeckNames.assign(static_cast<size_t>(runs) + 2, QString());
}

void TableModel::SetRunCount(int runs) {
  runCount_ = runs;
  RunDeckNames.resize(static_cast<size_t>(runs) + 2);
}

const TTableColumn* TableModel::Column(int c) const {
  // Columns are numbered 1..n in order; the search guards a list that is not.
  if (c >= 1 && c <= VarCount() && TableColumns[static_cast<size_t>(c - 1)].ColumnNumber == c)
    return &TableColumns[static_cast<size_t>(c - 1)];
  for (const TTableColumn& column : TableColumns) {
    if (column.ColumnNumber == c) return &column;
  }
  return nullptr;
}

TTableColumn* TableModel::Column(int c) {
  return const_cast<TTableColumn*>(static_cast<const TableModel*>(this)->Column(c));
}

long double TableModel::Value(int c, int r) const {
  const TTableColumn* column = Column(c);
  if (!column || r < 1 || r >= static_cast<int>(column->Values.size()))
    return std::numeric_limits<long double>::quiet_NaN();
  return column->Values[static_cast<size_t>(r)];
}

bool TableModel::SetValue(int c, int r, long double value) {
  TTableColumn* column = Column(c);
  if (!column || r < 1 || r >= static_cast<int>(column->Values.size())) return false;
  column->Values[static_cast<size_t>(r)] = value;
  return true;
}

QString TableModel::GetS(int c, int r) const {
  if (c == 0) return {};
  const TTableColumn* column = Column(c);
  if (!column) return {};
  if (r == 0) return FromCp1252(column->VarName);
  if (r < 0 || r >= static_cast<int>(column->Values.size())) return {};
  const long double x = column->Values[static_cast<size_t>(r)];
  if (x == EnterValueMarker) return QStringLiteral("Enter value");
  if (x == InfiniteValue) return QStringLiteral(" ");
  const TNumberFormat format =
      column->Format.Fixed == kAutomaticFormat ? ChooseNumberFormat(kAutomaticDigits, x) : column->Format;
  return QString::fromStdString(FormatNumber(format, x));
}

QString TableModel::EditText(int c, int r) const {
  if (c < 1 || r < 1) return GetS(c, r);
  const long double x = Value(c, r);
  if (x == EnterValueMarker || x == InfiniteValue || std::isnan(x)) return GetS(c, r);
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, x);
  return QString::fromLatin1(buffer, result.ptr - buffer);
}

bool TableModel::SetCellText(int c, int r, const QString& text) {
  if (!Column(c) || r < 1 || r > runCount_) return false;
  const QString trimmed = text.trimmed();
  long double value = InfiniteValue;
  if (!trimmed.isEmpty() && !TextToNumber(trimmed.toStdString(), &value)) return false;
  const long double old = Value(c, r);
  // NaN never equals itself, yet a NaN stored again is no change.
  if (old == value || (std::isnan(old) && std::isnan(value))) return false;
  SetValue(c, r, value);
  Changed = true;
  return true;
}

CellRange TableModel::Clear(const CellRange& selection) {
  CellRange done{selection.top, selection.left, selection.bottom, selection.left - 1};
  if (selection.isEmpty()) return done;
  for (int c = selection.left; c <= selection.right; ++c) {
    TTableColumn* column = Column(c);
    if (!column) break;
    for (int r = std::max(selection.top, 1); r <= selection.bottom && r <= runCount_; ++r) {
      column->Values[static_cast<size_t>(r)] = EnterValueMarker;
    }
    done.right = c;
  }
  if (!done.isEmpty()) Changed = true;
  return done;
}

QString TableModel::RunDeckName(int r) const {
  if (r < 1 || r >= static_cast<int>(RunDeckNames.size())) return {};
  return RunDeckNames[static_cast<size_t>(r)];
}

void TableModel::SetRunDeckName(int r, const QString& name) {
  if (r < 1 || r >= static_cast<int>(RunDeckNames.size())) return;
  RunDeckNames[static_cast<size_t>(r)] = name;
}

}  // namespace pm
