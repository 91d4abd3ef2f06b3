#include "fuzzsupport.h"
#include "plots/plotdrawing.h"
#include "plots/plotfile.h"
#include "plots/recordingpainter.h"

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

// The bytes a writer may set otherwise: the caption's tail and the pointer
// fields of the slots and of the line records.
QByteArray WithoutFreeBytes(QByteArray bytes, const pm::TPlotSettings& s) {
  const int length = static_cast<unsigned char>(bytes[0]);
  std::memset(bytes.data() + 1 + length, 0, static_cast<size_t>(255 - length));
  const auto clear = [&bytes](qint64 at) { std::memset(bytes.data() + at, 0, 8); };
  for (int k = 1; k <= pm::kPlotMaxLines; ++k) clear(pm::kPlotCaptionSize + 400 + (k - 1) * pm::kPlotLineSize + 108);
  qint64 at = pm::kPlotFileFixedSize;
  for (int k = 1; k <= s.LineCount; ++k) {
    clear(at + 108);
    at += pm::kPlotLineSize + 16 * qint64{s.Lines[k].PointCount};
  }
  return bytes;
}

}  // namespace

// Any bytes as a plot file: a refused file leaves the model as it was; an
// accepted one is written back to the same bytes, free bytes aside, and is
// laid out with the screen's metrics and drawn whole, so a tick pass that
// does not end or a value that cannot be converted is a finding.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  static const QString kCaption = QStringLiteral("untouched");
  QString caption = kCaption;
  pm::PlotModel plot;
  plot.Settings.LineCount = 7;
  const pm::PlotModel before = plot;
  if (pm::DecodePlotFile(bytes, &caption, &plot) != pm::PlotDecode::Ok) {
    if (caption != kCaption || !(plot == before)) std::abort();
    return 0;
  }
  QByteArray written;
  if (!pm::EncodePlotFile(caption, plot, &written)) std::abort();
  if (written.size() != bytes.size()) std::abort();
  if (WithoutFreeBytes(written, plot.Settings) != WithoutFreeBytes(bytes, plot.Settings)) std::abort();
  pm::fuzz::EnsureApplication();
  const pm::PlotExtent extent = pm::LayoutPlot(plot, pm::PlotBounds{});
  if (extent.MinX < -pm::kPlotCoordinateLimit || extent.MaxX > pm::kPlotCoordinateLimit) std::abort();
  pm::RecordingPainter painter({}, false);
  pm::PlotPaint paint;
  paint.Plot = &plot;
  pm::DrawPlot(paint, painter);
  return 0;
}
