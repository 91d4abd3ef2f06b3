#include "tables/tableprint.h"

#include "common/printstate.h"
#include "support/pdftext.h"
#include "tables/tablemodel.h"

#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace pm {
namespace {

using Bands = std::vector<std::pair<int, int>>;

TEST(CutBands, ColumnsFillBandsAndTheOneThatPassesGoesOn) {
  struct Case {
    const char* what;
    std::vector<int> widths;
    int left, page;
    Bands bands;
  } cases[] = {
      // 2*10 + 80*5/4 = 120, +100 = 220 (< 250), +100 = 320 passes: back.
      {"two bands", {0, 80, 80, 80, 80}, 10, 250, {{1, 2}, {3, 4}}},
      {"all in one", {0, 40, 40, 40}, 10, 1000, {{1, 3}}},
      {"exactly the page", {0, 80, 80}, 10, 220, {{1, 2}}},
      // Wider than the page: alone, and the cutting goes on.
      {"an overlong column", {0, 400, 40, 40}, 10, 250, {{1, 1}, {2, 3}}},
      {"overlong at the end", {0, 40, 400}, 10, 250, {{1, 1}, {2, 2}}},
      {"no columns", {0}, 10, 250, {}},
  };
  for (const Case& c : cases) EXPECT_EQ(CutBands(c.widths, c.left, c.page), c.bands) << c.what;
}

QString PrintToPdf(const TableModel& table, const QString& caption, const QString& pdf) {
  QPdfWriter writer(pdf);
  writer.setResolution(300);
  writer.setPageSize(QPageSize(QPageSize::Letter));
  QPainter painter(&writer);
  BeginPrintJob(&painter, &writer, QStringLiteral("2.01"));
  PrintTable(table, caption);
  EndPrintJob();
  painter.end();
  return test::PdfText(pdf);
}

TEST(PrintTable, PrintsTheCaptionHeaderAndValuesInBands) {
  QTemporaryDir dir;
  TableModel t;
  std::vector<std::string> names;
  for (int v = 1; v <= 14; ++v) names.push_back("VARIABLE_" + std::to_string(v));
  t.Reset(3, names);
  for (int v = 1; v <= 14; ++v) t.SetValue(v, 1, 1000.0L * v + 0.5L);
  t.SetValue(1, 2, InfiniteValue);
  const QString text = PrintToPdf(t, QStringLiteral("/d/SYS1.TBL"), dir.filePath(QStringLiteral("t.pdf")));
  ASSERT_FALSE(text.isEmpty());
  EXPECT_TRUE(text.contains(QStringLiteral("/d/SYS1.TBL")));
  // Fourteen wide columns need more than one band; each name and value once.
  for (int v = 1; v <= 14; ++v) {
    EXPECT_EQ(text.count(QStringLiteral("VARIABLE_") + QString::number(v) + QLatin1Char(' ')) +
                  text.count(QStringLiteral("VARIABLE_") + QString::number(v) + QLatin1Char('\n')),
              1)
        << v;
  }
  EXPECT_EQ(text.count(QStringLiteral("Enter value")), 14 * 3 - 14 - 1);
  const qsizetype first = text.indexOf(QStringLiteral("VARIABLE_1 "));
  const qsizetype last = text.indexOf(QStringLiteral("VARIABLE_14"));
  ASSERT_GE(first, 0);
  // The last column lies in a later band, below the first.
  EXPECT_GT(text.left(last).count(QLatin1Char('\n')), text.left(first).count(QLatin1Char('\n')) + 3);
}

}  // namespace
}  // namespace pm
