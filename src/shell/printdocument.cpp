#include "shell/printdocument.h"

#include "common/printstate.h"
#include "platform/rtfreader.h"

#include <QAbstractTextDocumentLayout>
#include <QFont>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QTextTable>

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace pm {

namespace {

// Every line of the document as (top, bottom) in document pixels.
std::vector<std::pair<double, double>> LineSpans(const QTextDocument& doc) {
  std::vector<std::pair<double, double>> spans;
  QAbstractTextDocumentLayout* layout = doc.documentLayout();
  for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
    const QTextLayout* lines = block.layout();
    if (!lines) continue;
    const double top = layout->blockBoundingRect(block).top();
    for (int i = 0; i < lines->lineCount(); ++i) {
      const QTextLine line = lines->lineAt(i);
      spans.emplace_back(top + line.y(), top + line.y() + line.height());
    }
  }
  return spans;
}

// Every table of a frame and of the frames inside it, outer ones first.
void CollectTables(QTextFrame* frame, QList<QTextTable*>* tables) {
  for (QTextFrame* child : frame->childFrames()) {
    if (auto* table = qobject_cast<QTextTable*>(child)) tables->append(table);
    CollectTables(child, tables);
  }
}

}  // namespace

void FitToWidth(QTextDocument& doc, double width) {
  QTextOption option = doc.defaultTextOption();
  option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  doc.setDefaultTextOption(option);
  doc.setTextWidth(width);
  QList<QTextTable*> tables;
  CollectTables(doc.rootFrame(), &tables);
  QAbstractTextDocumentLayout* layout = doc.documentLayout();
  for (QTextTable* table : tables) {
    // Borders and padding do not shrink with the columns: a second pass
    // takes what is left over.
    for (int pass = 0; pass < 3; ++pass) {
      const QRectF box = layout->frameBoundingRect(table);
      const double room = width - box.left();
      if (box.right() <= width + 0.5 || room <= 0) break;
      QTextTableFormat format = table->format();
      QList<QTextLength> widths = format.columnWidthConstraints();
      double fixed = 0;
      for (const QTextLength& w : widths)
        if (w.type() == QTextLength::FixedLength) fixed += w.rawValue();
      if (fixed <= 0) break;
      // The fixed columns' share of the table's width is what can shrink.
      const double scale = std::max(0.0, 1.0 - (box.right() - width) / box.width() * 1.02);
      for (QTextLength& w : widths)
        if (w.type() == QTextLength::FixedLength) w = QTextLength(QTextLength::FixedLength, w.rawValue() * scale);
      format.setColumnWidthConstraints(widths);
      table->setFormat(format);
    }
  }
}

QList<double> SliceEnds(const QTextDocument& doc, double firstHeight, double pageHeight) {
  const double total = doc.documentLayout()->documentSize().height();
  std::vector<std::pair<double, double>> spans = LineSpans(doc);
  std::sort(spans.begin(), spans.end());
  // A line's bottom is a place to cut unless another line runs across it.
  std::vector<double> cuts;
  for (const auto& span : spans) cuts.push_back(span.second);
  std::sort(cuts.begin(), cuts.end());
  cuts.erase(std::unique(cuts.begin(), cuts.end()), cuts.end());
  std::vector<double> safe;
  double reach = 0;
  size_t next = 0;
  for (double cut : cuts) {
    while (next < spans.size() && spans[next].first < cut) reach = std::max(reach, spans[next++].second);
    if (reach <= cut + 0.01) safe.push_back(cut);
  }
  QList<double> ends;
  double start = 0;
  double height = firstHeight;
  bool first = true;
  while (start < total - 0.5) {
    const double limit = start + std::max(1.0, height);
    double end = limit;
    if (limit < total) {
      const auto it = std::upper_bound(safe.begin(), safe.end(), limit + 0.01);
      if (it != safe.begin() && *(it - 1) > start + 0.01) {
        end = *(it - 1);
      } else if (first) {
        // Not even one line fits below what was printed before: the text
        // starts on the next page.
        end = start;
      }
    } else {
      end = total;
    }
    ends.push_back(end);
    start = end;
    height = pageHeight;
    first = false;
  }
  return ends;
}

void PrintRichText(const QByteArray& bytes) {
  PrintState& s = PS();
  if (!s.Printing || !s.Canvas || s.PrinterPPI <= 0) return;
  QPainter& p = *s.Canvas;
  QPaintDevice* device = p.device();
  const int dpiX = device->logicalDpiX();
  const int dpiY = device->logicalDpiY();
  // Half an inch in at the left and top, a quarter off at the right and
  // bottom, by the printer's own resolution.
  const QRect rect(QPoint(dpiX / 2, dpiY / 2), QPoint(s.PageWidth - dpiX / 4, s.PageHeight - dpiY / 4));

  QTextDocument doc;
  doc.documentLayout()->setPaintDevice(device);
  QFont plain(QStringLiteral("Courier New"));
  plain.setPointSize(9);
  doc.setDefaultFont(plain);
  doc.setDocumentMargin(0);
  ReadRichText(bytes, &doc, dpiX);
  FitToWidth(doc, rect.width());

  int top = static_cast<int>(std::lround(double(s.CurrentY) * dpiY / s.PrinterPPI));
  top = std::clamp(top, 0, rect.bottom());
  const QList<double> ends = SliceEnds(doc, rect.bottom() - top, rect.height());
  double start = 0;
  for (qsizetype i = 0; i < ends.size(); ++i) {
    if (i > 0) {
      NewHeaderPage();
      s.CurrentY = s.PrintMargin + 12;
      top = rect.top();
    }
    const double height = ends[i] - start;
    if (height <= 0) continue;
    DrawOnPage();
    p.save();
    p.setClipRect(QRectF(rect.left(), top, rect.width(), height));
    p.translate(rect.left(), top - start);
    // Lines only touching the slice are left out, not drawn clipped: their
    // text would still be in the output.
    QAbstractTextDocumentLayout::PaintContext context;
    context.clip = QRectF(0, start + 1, rect.width(), height - 2);
    doc.documentLayout()->draw(&p, context);
    p.restore();
    // The next window goes on below the text, not over it.
    s.CurrentY = static_cast<int>(std::lround((top + height) * s.PrinterPPI / dpiY));
    start = ends[i];
  }
}

}  // namespace pm
