#include "tables/tableclip.h"

#include <algorithm>
#include <string>
#include <string_view>

namespace pm {

QString CopyText(const TableModel& table, const CellRange& selection) {
  QString text;
  for (int r = selection.top; r <= selection.bottom; ++r) {
    if (r > selection.top) text += QStringLiteral("\r\n");
    for (int c = selection.left; c <= selection.right; ++c) {
      if (c > selection.left) text += QLatin1Char('\t');
      text += table.GetS(c, r);
    }
  }
  return text;
}

namespace {

// The next field from pos: up to the next TAB or LF, cut at its first CR.
std::string_view NextClipField(std::string_view text, size_t* pos, bool* endedWithTab) {
  const size_t start = *pos;
  size_t end = start;
  while (end < text.size() && text[end] != '\t' && text[end] != '\n') ++end;
  *endedWithTab = end < text.size() && text[end] == '\t';
  *pos = end < text.size() ? end + 1 : end;
  std::string_view field = text.substr(start, end - start);
  if (const size_t cr = field.find('\r'); cr != std::string_view::npos) field = field.substr(0, cr);
  return field;
}

void Include(CellRange& range, int c, int r) {
  if (range.isEmpty()) {
    range = CellRange{r, c, r, c};
    return;
  }
  range.top = std::min(range.top, r);
  range.bottom = std::max(range.bottom, r);
  range.left = std::min(range.left, c);
  range.right = std::max(range.right, c);
}

}  // namespace

PasteResult PasteText(TableModel& table, const QString& clipText, int startCol, int startRow) {
  PasteResult result;
  startCol = std::max(startCol, 1);
  startRow = std::max(startRow, 1);
  if (clipText.isEmpty() || !table.Column(startCol)) return result;
  const std::string bytes = clipText.toStdString();
  const std::string_view text(bytes);
  size_t pos = 0;
  int col = startCol;
  int row = startRow;
  while (pos < text.size() && row < table.RowCount()) {
    bool tab = false;
    const std::string_view field = NextClipField(text, &pos, &tab);
    bool ok = false;
    const long double value = TextToValue(field, &ok);
    if (!ok || !table.SetValue(col, row, value)) {
      result.message = QStringLiteral("Bad number in row ") + QString::number(row) +
                       QStringLiteral(" column ") + QString::number(col);
      break;
    }
    Include(result.changed, col, row);
    if (tab && col + 1 < table.ColCount()) {
      ++col;
      continue;
    }
    // The rest of a line longer than the table is skipped.
    while (tab && pos < text.size()) NextClipField(text, &pos, &tab);
    col = startCol;
    ++row;
  }
  if (!result.changed.isEmpty()) table.Changed = true;
  return result;
}

}  // namespace pm
