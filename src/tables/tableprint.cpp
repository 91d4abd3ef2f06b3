#include "tables/tableprint.h"

#include "common/printstate.h"
#include "tables/tablemodel.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace pm {

std::vector<std::pair<int, int>> CutBands(const std::vector<int>& widths, int printLeft, int pageWidth) {
  std::vector<std::pair<int, int>> bands;
  const int last = static_cast<int>(widths.size()) - 1;
  int s = 1;
  while (s <= last) {
    int running = 2 * printLeft + widths[static_cast<size_t>(s)] * 5 / 4;
    int c = s + 1;
    while (running < pageWidth && c <= last) {
      running += widths[static_cast<size_t>(c)] * 5 / 4;
      ++c;
    }
    // The column that passed the page goes back, unless it is the only one.
    if (running > pageWidth && c - 1 > s) --c;
    bands.emplace_back(s, c - 1);
    s = c;
  }
  return bands;
}

void PrintTable(const TableModel& table, const QString& caption) {
  PrintState& s = PS();
  if (!s.Printing || !s.Canvas) return;
  QPainter& p = *s.Canvas;
  const QFont normal = p.font();
  QFont bold = normal;
  bold.setBold(true);
  QFont title = bold;
  title.setUnderline(true);
  DrawOnPage();
  p.setFont(title);
  DrawTextAt(p, s.PrintLeft, s.CurrentY, caption);

  const int C = table.ColCount();
  const int R = table.RowCount();
  std::vector<int> width(static_cast<size_t>(C), 0);
  std::vector<int> valueWidth(static_cast<size_t>(C), 0);
  const QFontMetrics boldMetrics(bold, p.device());
  const QFontMetrics normalMetrics(normal, p.device());
  for (int c = 1; c < C; ++c) {
    int w = boldMetrics.horizontalAdvance(table.GetS(c, 0));
    int v = 0;
    for (int r = 1; r < R; ++r) v = std::max(v, normalMetrics.horizontalAdvance(table.GetS(c, r)));
    width[static_cast<size_t>(c)] = std::max(w, v);
    valueWidth[static_cast<size_t>(c)] = v;
  }

  for (const auto& [first, last] : CutBands(width, s.PrintLeft, s.PageWidth)) {
    for (int r = 0; r < R; ++r) {
      CheckPageBreak(s.PrintLineHeight);
      DrawOnPage();
      p.setFont(r == 0 ? bold : normal);
      const QFontMetrics& metrics = r == 0 ? boldMetrics : normalMetrics;
      int offset = 0;
      for (int c = first; c <= last; ++c) {
        const QString text = table.GetS(c, r);
        const int w = width[static_cast<size_t>(c)];
        const int t = metrics.horizontalAdvance(text);
        const int x = r == 0 ? s.PrintLeft + offset + (w - t) / 2
                             : s.PrintLeft + offset + w - t - (w - valueWidth[static_cast<size_t>(c)]) / 2;
        DrawTextAt(p, x, s.CurrentY, text);
        offset += w * 5 / 4;
      }
    }
  }
  p.setFont(normal);
}

}  // namespace pm
