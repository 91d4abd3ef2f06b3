#pragma once

#include "plots/plotmodel.h"

#include <QString>
#include <QStringList>

namespace pm {

inline constexpr int kPlotTitleLength = 30;

// What the Modify Plot dialog shows and reads back, one member per control.
// Indexes 0 and 1 are the X and Y axes.
struct ModPlotAxisFields {
  QString Title;
  QString MinText;
  QString MaxText;
  QString TicksText;
  bool Log = false;
  bool Gridlines = false;
  int Style = 0;   // item index: 0 "E", 1 "F"
  int Digits = 0;  // item index 0..9
  friend bool operator==(const ModPlotAxisFields&, const ModPlotAxisFields&) = default;
};

struct ModPlotFields {
  ModPlotAxisFields Axis[2];
  bool Legend = false;
  int Line = 0;  // chosen line, 1..LineCount
  int LineStyle = 0;
  int Symbol = 0;
  int ColorIndex = 0;
  bool Smoothing = false;
  friend bool operator==(const ModPlotFields&, const ModPlotFields&) = default;
};

// The line box items: YName + " vs. " cut to 25 characters, then XName,
// the whole cut to 45.
QStringList PlotLineItems(const TPlotSettings& s);

// The fields as the dialog opens: the block's values, the ends written with
// their axis format, the last line chosen. Combo indexes are clamped to
// their items; a line's look is shown as stored.
ModPlotFields ModPlotFieldsOf(const TPlotSettings& s);
// The look of one line as the dialog shows it (the spins and the
// Smoothing box); Line must be 1..LineCount.
void LoadPlotLine(const TPlotSettings& s, int line, ModPlotFields* f);

// Which field refused OK, and how the user is told.
enum class ModPlotField { None, XTitle, YTitle, MinX, MaxX, MinY, MaxY, TicksX, TicksY };
struct ModPlotRefusal {
  ModPlotField Field = ModPlotField::None;
  // Empty: a bare beep. Otherwise a message of kind 0.
  QString Message;
  friend bool operator==(const ModPlotRefusal&, const ModPlotRefusal&) = default;
};

// Checks every field without storing anything: the titles (Windows-1252,
// at most 30 characters), the ranges in the order MinX, MaxX, MinY, MaxY
// (a maximum must be greater than its minimum; a log axis needs a minimum
// above 0), then the tick counts (integers 1..kPlotTickLimit). On success
// the block is written at once: titles, ends, ticks, scales, gridlines,
// formats, legend and the chosen line's look.
ModPlotRefusal StoreModPlot(const ModPlotFields& f, TPlotSettings* s);

enum class DeleteLineResult {
  Deleted,     // the line is gone, later lines moved down one slot
  DeletePlot,  // it was the only line: the plot goes
  NoLine,      // no such line; nothing changed
};
// Removes line 1..LineCount with its points; the old last slot keeps its
// bytes.
DeleteLineResult DeletePlotLine(PlotModel* plot, int line);

}  // namespace pm
