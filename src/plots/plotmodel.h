#pragma once

#include "common/binaryfields.h"
#include "common/lib1.h"
#include "common/shortstring.h"

#include <cstdint>
#include <vector>

namespace pm {

inline constexpr int kPlotMaxLines = 50;

// One line slot of a plot block. Its points are not part of the record:
// they live in the PlotModel that holds the block, so a copy of a block
// never shares or copies arrays. The file's two pointer fields are written
// as zero.
struct TPlotLine {
  std::int32_t PointCount = 0;  // ToRow - FromRow + 1 when made
  std::int32_t RowCount = 0;    // data rows of the file the line came from
  std::int32_t Reserved8 = 0;
  std::int32_t LineNumber = 0;  // 1..50 when made
  std::int32_t XColumn = 0;     // 0-based columns of the data file
  std::int32_t YColumn = 0;
  ShortString<20> XName;
  ShortString<20> YName;  // the legend text
  ShortString<20> XUnit;
  ShortString<20> YUnit;
  std::int32_t FromRow = 0;     // 1-based
  std::int32_t ToRow = 0;
  std::int32_t LineStyle = 0;   // 0 none, 1 thin, 2 thick, 3 dotted
  std::int32_t Symbol = 0;      // 0 none, 1..15; larger values lose 15 until at most 15
  std::int32_t ColorIndex = 0;  // 1..15; anything else is black
  std::uint8_t Smoothing = 0;   // non-zero = ticked; kept as the byte read
  std::uint8_t Reserved137 = 0;
  RawBytes<2> Padding138{};
  RawBytes<16> Reserved140{};

  friend bool operator==(const TPlotLine&, const TPlotLine&) = default;
};

// The plot block: axes, legend and the 50 line slots. Only slots
// 1..LineCount are meaningful; the others keep whatever they last held.
// Boolean bytes are kept as read (non-zero = true); reserved areas and
// padding go back to the file as read and are zero in a new block.
struct TPlotSettings {
  std::int32_t LineCount = 0;
  RawBytes<256> Reserved4{};
  ShortString<30> XTitle;
  ShortString<30> YTitle;
  RawBytes<6> Padding322{};
  long double XMin = 0;
  long double YMin = 0;
  long double XMax = 0;
  long double YMax = 0;
  std::uint8_t XGridlines = 0;
  std::uint8_t YGridlines = 0;
  RawBytes<2> Padding370{};
  std::int32_t XMinorTicks = 0;
  std::int32_t YMinorTicks = 0;
  std::int32_t XTicks = 0;
  std::int32_t YTicks = 0;
  std::uint8_t XLog = 0;  // 1 = logarithmic
  std::uint8_t YLog = 0;
  TNumberFormat XFormat{0, 0};
  std::uint8_t XFormatPadding = 0;
  TNumberFormat YFormat{0, 0};
  std::uint8_t YFormatPadding = 0;
  std::uint8_t ShowLegend = 0;
  std::uint8_t Padding399 = 0;
  Array1<TPlotLine, kPlotMaxLines> Lines;
  RawBytes<32> Reserved8200{};

  friend bool operator==(const TPlotSettings&, const TPlotSettings&) = default;
};

// The points of one line, PointCount of each.
struct PlotLinePoints {
  std::vector<double> X;
  std::vector<double> Y;

  friend bool operator==(const PlotLinePoints&, const PlotLinePoints&) = default;
};

// What a plot window owns: its block and the point arrays of lines
// 1..LineCount (the arrays of the other slots are empty).
struct PlotModel {
  TPlotSettings Settings;
  Array1<PlotLinePoints, kPlotMaxLines> Points;

  friend bool operator==(const PlotModel&, const PlotModel&) = default;
};

// The work copy between the plot set-up and a plot window: a block only.
TPlotSettings& PlotBuffer();
// 1.0 on screen; the printer-to-screen ratio while a plot prints.
long double& PlotScale();

}  // namespace pm
