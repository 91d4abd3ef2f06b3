#include "platform/rtfdocument.h"

#include <QTextDocument>
#include <QTextTable>

#include <algorithm>

namespace pm::rtf {

namespace {

// A row wider than this is folded into its last column: enough for any
// report, and it keeps a damaged file from making a table of thousands of
// columns.
constexpr int kMaxColumns = 64;

}  // namespace

DocumentBuilder::DocumentBuilder(QTextDocument* doc, double dotsPerInch)
    : doc_(doc), cursor_(doc), dpi_(dotsPerInch) {}

void DocumentBuilder::SetFont(int index, const QString& family) {
  fonts_[index] = family;
  formatValid_ = false;
}

void DocumentBuilder::AddColor(const QColor& color) {
  colors_.push_back(color);
  formatValid_ = false;
}

void DocumentBuilder::SetDefaultTab(int twips) {
  QTextOption option = doc_->defaultTextOption();
  option.setTabStopDistance(twips / 15.0);
  doc_->setDefaultTextOption(option);
}

qreal DocumentBuilder::Pixels(int twips) const { return twips * dpi_ / 1440.0; }

void DocumentBuilder::Text(const QString& text, const CharState& ch, const ParaState& para) {
  Place(para);
  if (tableOpen_)
    Cell().push_back({CellItem::Run, text, ch, {}});
  else
    cursor_.insertText(text, CharFormat(ch));
  openParagraph_ = true;
}

void DocumentBuilder::EndParagraph(const ParaState& para) {
  Place(para);
  if (tableOpen_) {
    Cell().push_back({CellItem::Format, {}, {}, para});
  } else {
    KeepSpaceAfterTable(para);
    if (!blockParaValid_ || !(blockPara_ == para)) {
      cursor_.setBlockFormat(BlockFormat(para));
      blockPara_ = para;
      blockParaValid_ = true;
    }
  }
  ++pendingBreaks_;
  openParagraph_ = false;
}

void DocumentBuilder::PageBreak(const ParaState& para) {
  EndParagraph(para);
  pageBreakNext_ = true;
}

void DocumentBuilder::BeginRowDefinition() {
  cellx_.clear();
  cellSides_.clear();
  pendingSides_ = 0;
  lastSide_ = 0;
  rowDefined_ = true;
  rowStarted_ = false;
  cellPlaced_ = false;
}

void DocumentBuilder::AddCellBoundary(int twips) {
  if (static_cast<int>(cellx_.size()) < kMaxColumns) {
    cellx_.push_back(twips);
    cellSides_.push_back(pendingSides_);
  }
  pendingSides_ = 0;
  lastSide_ = 0;
}

void DocumentBuilder::EndCell(const ParaState& para) {
  if (!para.inTable && !rowDefined_) return;  // a stray \cell outside any table
  Place(para);
  Cell().push_back({CellItem::Format, {}, {}, para});
  pendingBreaks_ = 0;
  openParagraph_ = false;
  ++col_;
  cellPlaced_ = false;
}

void DocumentBuilder::EndRow(const ParaState& para) {
  // A row with no cell at all still makes an (empty) row.
  if ((para.inTable || rowDefined_) && !(tableOpen_ && rowStarted_)) Place(para);
  rowStarted_ = false;
  cellPlaced_ = false;
  rowDefined_ = false;
  pendingBreaks_ = 0;
  openParagraph_ = false;
}

void DocumentBuilder::Finish(const ParaState& para) {
  if (tableOpen_) LeaveTable();
  if (openParagraph_) KeepSpaceAfterTable(para);
  if (openParagraph_ && (!blockParaValid_ || !(blockPara_ == para)))
    cursor_.setBlockFormat(BlockFormat(para));
}

void DocumentBuilder::Place(const ParaState& para) {
  if (!para.inTable && !rowDefined_) {
    if (tableOpen_) LeaveTable();
    FlushBreaks(para, 0);
    return;
  }
  if (!tableOpen_) {
    // The paragraph end before a table is the table's own start.
    FlushBreaks(para, 1);
    pendingBreaks_ = 0;
    tableOpen_ = true;
    rows_.clear();
    rowStarted_ = false;
  }
  if (!rowStarted_) {
    rows_.push_back({{}, cellx_, cellSides_});
    col_ = 0;
    rowStarted_ = true;
    cellPlaced_ = false;
  }
  if (!cellPlaced_) {
    // A new cell; past the widest row allowed, the last cell takes the rest.
    std::vector<std::vector<CellItem>>& cells = rows_.back().cells;
    if (col_ >= kMaxColumns) col_ = kMaxColumns - 1;
    while (static_cast<int>(cells.size()) <= col_) cells.emplace_back();
    cellPlaced_ = true;
    pendingBreaks_ = 0;
  }
  FlushBreaks(para, 0);
}

std::vector<DocumentBuilder::CellItem>& DocumentBuilder::Cell() {
  return rows_.back().cells[static_cast<size_t>(col_)];
}

void DocumentBuilder::LeaveTable() {
  tableOpen_ = false;
  rowStarted_ = false;
  cellPlaced_ = false;
  pendingBreaks_ = 0;
  openParagraph_ = false;
  blockParaValid_ = false;
  blockPageBreak_ = false;
  if (rows_.empty()) return;
  size_t columns = 1;
  for (const PendingRow& row : rows_) columns = std::max(columns, row.cells.size());
  // The first row gives the column widths; further columns repeat its last.
  const PendingRow& first = rows_.front();
  QTextTableFormat format;
  // Each cell has the border sides its row definition gives it, no others.
  format.setBorder(0);
  format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
  format.setCellSpacing(0);
  format.setBorderCollapse(true);
  // Qt scales a table's widths to the paint device itself, as it does tab
  // stops: they are given at 96 per inch.
  format.setCellPadding(60 / 15.0);
  QList<QTextLength> widths;
  int left = 0;
  for (const int x : first.cellx) {
    widths.append(QTextLength(QTextLength::FixedLength, std::max(x - left, 15) / 15.0));
    left = std::max(left, x);
  }
  while (!widths.isEmpty() && static_cast<size_t>(widths.size()) < columns) widths.append(widths.constLast());
  if (!widths.isEmpty()) format.setColumnWidthConstraints(widths);
  QTextTable* table =
      cursor_.insertTable(static_cast<int>(rows_.size()), static_cast<int>(columns), format);
  for (size_t r = 0; r < rows_.size(); ++r) {
    for (size_t c = 0; c < rows_[r].sides.size() && c < columns; ++c) {
      const int sides = rows_[r].sides[c];
      if (sides == 0) continue;
      QTextTableCellFormat cellFormat;
      cellFormat.setTopBorder(sides & SideTop ? 1 : 0);
      cellFormat.setBottomBorder(sides & SideBottom ? 1 : 0);
      cellFormat.setLeftBorder(sides & SideLeft ? 1 : 0);
      cellFormat.setRightBorder(sides & SideRight ? 1 : 0);
      cellFormat.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
      cellFormat.setBorderBrush(Qt::black);
      table->cellAt(static_cast<int>(r), static_cast<int>(c)).setFormat(cellFormat);
    }
    for (size_t c = 0; c < rows_[r].cells.size(); ++c) {
      QTextCursor cell = table->cellAt(static_cast<int>(r), static_cast<int>(c)).firstCursorPosition();
      for (const CellItem& item : rows_[r].cells[c]) {
        switch (item.kind) {
          case CellItem::Run:
            cell.insertText(item.text, CharFormat(item.ch));
            break;
          case CellItem::Format:
            cell.setBlockFormat(BlockFormat(item.para));
            break;
          case CellItem::NewBlock:
            cell.insertBlock(BlockFormat(item.para));
            break;
        }
      }
    }
  }
  rows_.clear();
  cursor_ = QTextCursor(doc_);
  cursor_.setPosition(table->lastPosition() + 1);
  lastTable_ = table;
}

void DocumentBuilder::KeepSpaceAfterTable(const ParaState& para) {
  if (!lastTable_) return;
  if (para.before > 0 && cursor_.block().position() == lastTable_->lastPosition() + 1) {
    // Given at 96 per inch, as Qt scales a frame's margins to the device.
    QTextTableFormat format = lastTable_->format();
    format.setBottomMargin(para.before / 15.0);
    lastTable_->setFormat(format);
  }
  lastTable_ = nullptr;
}

void DocumentBuilder::FlushBreaks(const ParaState& para, int keep) {
  if (tableOpen_ && cellPlaced_) {
    for (; pendingBreaks_ > keep; --pendingBreaks_) Cell().push_back({CellItem::NewBlock, {}, {}, para});
    return;
  }
  while (pendingBreaks_ > keep) {
    QTextBlockFormat format = BlockFormat(para);
    blockPageBreak_ = false;
    if (pageBreakNext_ && pendingBreaks_ == keep + 1) {
      blockPageBreak_ = true;
      pageBreakNext_ = false;
      format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    }
    cursor_.insertBlock(format);
    blockPara_ = para;
    blockParaValid_ = true;
    --pendingBreaks_;
  }
}

QTextCharFormat DocumentBuilder::CharFormat(const CharState& ch) {
  if (formatValid_ && ch == lastChar_) return lastFormat_;
  QTextCharFormat format;
  format.setFontWeight(ch.bold ? QFont::Bold : QFont::Normal);
  format.setFontItalic(ch.italic);
  format.setFontUnderline(ch.underline);
  format.setFontStrikeOut(ch.strike);
  format.setFontPointSize(ch.halfPoints / 2.0);
  const auto font = fonts_.find(ch.font);
  if (font != fonts_.end() && !font->second.isEmpty()) format.setFontFamilies({font->second});
  const auto colors = static_cast<int>(colors_.size());
  if (ch.color >= 0 && ch.color < colors && colors_[static_cast<size_t>(ch.color)].isValid())
    format.setForeground(colors_[static_cast<size_t>(ch.color)]);
  // Background 0 is "none", whatever the first entry of the table is.
  if (ch.background > 0 && ch.background < colors &&
      colors_[static_cast<size_t>(ch.background)].isValid())
    format.setBackground(colors_[static_cast<size_t>(ch.background)]);
  if (ch.vertical > 0) format.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
  if (ch.vertical < 0) format.setVerticalAlignment(QTextCharFormat::AlignSubScript);
  lastChar_ = ch;
  lastFormat_ = format;
  formatValid_ = true;
  return format;
}

QTextBlockFormat DocumentBuilder::BlockFormat(const ParaState& para) const {
  QTextBlockFormat format;
  format.setAlignment(para.align);
  if (para.left) format.setLeftMargin(Pixels(para.left));
  if (para.right) format.setRightMargin(Pixels(para.right));
  if (para.first) format.setTextIndent(Pixels(para.first));
  if (para.before) format.setTopMargin(Pixels(para.before));
  if (para.after) format.setBottomMargin(Pixels(para.after));
  if (para.line != 0) {
    if (para.lineMultiple && para.line > 0)
      format.setLineHeight(para.line * 100.0 / 240.0, QTextBlockFormat::ProportionalHeight);
    else if (para.line > 0)
      format.setLineHeight(Pixels(para.line), QTextBlockFormat::MinimumHeight);
    else
      format.setLineHeight(Pixels(-para.line), QTextBlockFormat::FixedHeight);
  }
  if (!para.tabs.empty()) {
    QList<QTextOption::Tab> tabs;
    for (const TabStop& stop : para.tabs) {
      QTextOption::Tab tab(stop.twips / 15.0, stop.kind);
      if (stop.kind == QTextOption::DelimiterTab) tab.delimiter = QLatin1Char('.');
      tabs.append(tab);
    }
    format.setTabPositions(tabs);
  }
  if (blockPageBreak_) format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
  return format;
}

}  // namespace pm::rtf
