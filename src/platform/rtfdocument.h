#pragma once

#include <QColor>
#include <QString>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextOption>

#include <map>
#include <vector>

class QTextDocument;
class QTextTable;

namespace pm::rtf {

// The character properties of an RTF group. Sizes are half-points, as
// written; indices point into the font and colour tables.
struct CharState {
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strike = false;
  bool hidden = false;
  int vertical = 0;  // 1 superscript, -1 subscript
  int halfPoints = 24;
  int font = -1;
  int color = 0;
  int background = 0;
  bool operator==(const CharState&) const = default;
};

struct TabStop {
  int twips = 0;
  QTextOption::TabType kind = QTextOption::LeftTab;
  bool operator==(const TabStop&) const = default;
};

// Paragraph properties, in twips as written.
struct ParaState {
  Qt::Alignment align = Qt::AlignLeft;
  int left = 0;
  int right = 0;
  int first = 0;
  int before = 0;
  int after = 0;
  int line = 0;  // \sl: > 0 at least, < 0 exactly, 0 single
  bool lineMultiple = false;
  std::vector<TabStop> tabs;
  QTextOption::TabType nextTabKind = QTextOption::LeftTab;
  bool inTable = false;
  bool operator==(const ParaState&) const = default;
};

// Writes what the reader finds into a QTextDocument through one cursor:
// text runs, paragraph ends (made lazily, so a last \par adds no empty
// line) and simple tables. A table's rows are collected and the table is
// made in one go when it ends: Qt rebuilds a table's whole grid after each
// added row, which makes a long table row by row take quadratic time.
class DocumentBuilder {
 public:
  DocumentBuilder(QTextDocument* doc, double dotsPerInch);

  void SetFont(int index, const QString& family);
  void AddColor(const QColor& color);  // invalid: the automatic colour
  void SetDefaultTab(int twips);

  void Text(const QString& text, const CharState& ch, const ParaState& para);
  void EndParagraph(const ParaState& para);
  void PageBreak(const ParaState& para);
  void BeginRowDefinition();
  void AddCellBoundary(int twips);
  // A side of the next cell's border (\clbrdrt, b, l, r), until its \cellx;
  // \brdrnone takes back the side named last.
  enum CellSide { SideTop = 1, SideBottom = 2, SideLeft = 4, SideRight = 8 };
  void SetCellBorder(int side) {
    pendingSides_ |= side;
    lastSide_ = side;
  }
  void ClearCellBorder() { pendingSides_ &= ~lastSide_; }
  void EndCell(const ParaState& para);
  void EndRow(const ParaState& para);
  void Finish(const ParaState& para);

 private:
  // What a cell holds until its table is made.
  struct CellItem {
    enum Kind { Run, Format, NewBlock } kind;
    QString text;
    CharState ch;
    ParaState para;
  };
  struct PendingRow {
    std::vector<std::vector<CellItem>> cells;
    std::vector<int> cellx;
    std::vector<int> sides;  // each cell's border sides (CellSide bits)
  };

  void Place(const ParaState& para);
  std::vector<CellItem>& Cell();
  void LeaveTable();
  void FlushBreaks(const ParaState& para, int keep);
  QTextCharFormat CharFormat(const CharState& ch);
  QTextBlockFormat BlockFormat(const ParaState& para) const;
  qreal Pixels(int twips) const;

  QTextDocument* doc_;
  QTextCursor cursor_;
  double dpi_;
  std::map<int, QString> fonts_;
  std::vector<QColor> colors_;
  CharState lastChar_;
  QTextCharFormat lastFormat_;
  bool formatValid_ = false;
  // The properties the current block was made with, to spare a second
  // setBlockFormat when its paragraph ends with the same ones.
  ParaState blockPara_;
  bool blockParaValid_ = false;
  int pendingBreaks_ = 0;
  bool openParagraph_ = false;
  bool pageBreakNext_ = false;
  bool blockPageBreak_ = false;

  bool tableOpen_ = false;
  std::vector<PendingRow> rows_;
  int col_ = 0;
  bool rowStarted_ = false;
  bool cellPlaced_ = false;
  bool rowDefined_ = false;
  std::vector<int> cellx_;
  std::vector<int> cellSides_;
  int pendingSides_ = 0;
  int lastSide_ = 0;
  // The table just made: the paragraph after it keeps its space before as
  // the table's space after, which Qt's layout would otherwise drop.
  QTextTable* lastTable_ = nullptr;
  void KeepSpaceAfterTable(const ParaState& para);
};

}  // namespace pm::rtf
