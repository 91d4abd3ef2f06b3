#include "plots/plotdump.h"

#include "common/printstate.h"
#include "plots/plotdata.h"
#include "plots/plotfile.h"
#include "plots/plotprint.h"
#include "plots/qtplotpainter.h"
#include "platform/cp1252.h"
#include "platform/recordingui.h"

#include <QDir>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QFileInfo>
#include <QStringList>

#include <algorithm>
#include <charconv>

namespace pm {

namespace {

QString Quoted(const QString& text) { return QuotedForDump(text); }

// The shortest text that reads back as the same value.
template <typename T>
QString Number(T value) {
  char buf[64];
  const auto r = std::to_chars(buf, buf + sizeof buf, value);
  return QString::fromLatin1(buf, static_cast<qsizetype>(r.ptr - buf));
}

template <int N>
QString Text(const ShortString<N>& s) {
  return Quoted(s.Shown());
}

QString Axis(const char* name, const ShortString<30>& title, long double min, long double max, int ticks,
             int minor, int log, int gridlines, const TNumberFormat& format) {
  return QStringLiteral("%1 axis title %2 from %3 to %4 ticks %5 minor %6 log %7 gridlines %8 format Fixed %9 Digits %10")
      .arg(QLatin1String(name), Text(title), Number(min), Number(max))
      .arg(ticks)
      .arg(minor)
      .arg(log)
      .arg(gridlines)
      .arg(format.Fixed)
      .arg(format.Digits);
}

QString Point(const PlotLinePoints& p, size_t i) {
  return QLatin1Char('(') + Number(p.X[i]) + QStringLiteral(", ") + Number(p.Y[i]) + QLatin1Char(')');
}

}  // namespace

QString DumpPlot(const QString& caption, const PlotModel& plot) {
  const TPlotSettings& s = plot.Settings;
  QStringList out;
  out << QStringLiteral("caption ") + Quoted(caption);
  out << QStringLiteral("lines %1").arg(s.LineCount);
  out << Axis("X", s.XTitle, s.XMin, s.XMax, s.XTicks, s.XMinorTicks, s.XLog, s.XGridlines, s.XFormat);
  out << Axis("Y", s.YTitle, s.YMin, s.YMax, s.YTicks, s.YMinorTicks, s.YLog, s.YGridlines, s.YFormat);
  out << QStringLiteral("legend %1").arg(s.ShowLegend);
  for (int k = 1; k <= s.LineCount && k <= kPlotMaxLines; ++k) {
    const TPlotLine& l = s.Lines[k];
    const PlotLinePoints& p = plot.Points[k];
    out << QStringLiteral("line %1 number %2 X column %3 %4 unit %5 Y column %6 %7 unit %8")
               .arg(k)
               .arg(l.LineNumber)
               .arg(l.XColumn)
               .arg(Text(l.XName), Text(l.XUnit))
               .arg(l.YColumn)
               .arg(Text(l.YName), Text(l.YUnit));
    out << QStringLiteral("  rows %1..%2 of %3 style %4 symbol %5 colour %6 smoothing %7")
               .arg(l.FromRow)
               .arg(l.ToRow)
               .arg(l.RowCount)
               .arg(l.LineStyle)
               .arg(l.Symbol)
               .arg(l.ColorIndex)
               .arg(l.Smoothing);
    QString points = QStringLiteral("  points %1").arg(l.PointCount);
    if (!p.X.empty() && p.X.size() == p.Y.size())
      points += QStringLiteral(" first ") + Point(p, 0) + QStringLiteral(" last ") + Point(p, p.X.size() - 1);
    out << points;
  }
  return out.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

QImage PlotWindowImage(const PlotModel& plot, const QSize& size) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter qp(&image);
  QtPlotPainter painter(qp);
  PlotPaint paint;
  paint.Plot = &plot;
  paint.Exposed = QRect(QPoint(0, 0), size);
  DrawPlot(paint, painter);
  return image;
}

bool PrintPlotToPdf(const PlotModel& plot, const QString& caption, const QSize& windowSize, const QString& pdf) {
  QPdfWriter writer(pdf);
  writer.setResolution(300);
  writer.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
  QPainter qp;
  if (!qp.begin(&writer)) return false;
  BeginPrintJob(&qp, &writer, QStringLiteral("2.01"));
  // The window's print scale: the page's width less an inch over the
  // window's width.
  const long double scale = static_cast<long double>(PS().PageWidth - PS().PrinterPPI) / std::max(windowSize.width(), 1);
  PrintPlot(plot, caption, PlotBounds{}, LayoutPlot(plot, PlotBounds{}), scale);
  EndPrintJob();
  return qp.end();
}

int DumpPlotData(const QString& path, QString* text) {
  const QFileInfo file(path);
  const QString name = file.absoluteDir().dirName() + QLatin1Char('/') + file.fileName();
  QString out = QStringLiteral("file ") + Quoted(name) + QLatin1Char('\n');
  PlotData data;
  const int code = ReadPlt(file.absoluteFilePath(), &data);
  if (code != 0) {
    *text = out + OpenErrorMessage(code, name) + QLatin1Char('\n');
    return 1;
  }
  out += QStringLiteral("columns %1 rows %2 header %3 units %4\n")
             .arg(data.ColumnCount)
             .arg(data.RowCount)
             .arg(int(data.HasHeader))
             .arg(int(data.HasUnits));
  for (int c = 0; c < data.ColumnCount; ++c) {
    const PlotDataColumn& column = data.Columns[static_cast<size_t>(c)];
    out += QStringLiteral("column %1 %2 unit %3").arg(c + 1).arg(Quoted(FromCp1252(column.Name)), Quoted(FromCp1252(column.Unit)));
    if (data.RowCount > 0) {
      const AxisProposal axis = ScaleMinMax(column.Min, column.Max, 5, 1);
      out += QStringLiteral(" min %1 max %2 axis %3..%4 ticks %5 digits %6")
                 .arg(Number(column.Min), Number(column.Max), Number(axis.Min), Number(axis.Max))
                 .arg(axis.Ticks)
                 .arg(axis.Digits);
    }
    out += QLatin1Char('\n');
  }
  *text = out;
  return 0;
}

int DumpPlotFile(const QString& path, const QString& saveAs, QString* text) {
  PlotDumpOptions options;
  options.SaveAs = saveAs;
  return DumpPlotFile(path, options, text);
}

int DumpPlotFile(const QString& path, const PlotDumpOptions& options, QString* text) {
  const QString& saveAs = options.SaveAs;
  const QFileInfo file(path);
  const QDir folder = file.absoluteDir();
  const QString name = folder.dirName() + QLatin1Char('/') + file.fileName();
  const auto absolute = [](const QString& given) { return given.isEmpty() ? QString() : QFileInfo(given).absoluteFilePath(); };
  const QString target = absolute(saveAs);
  const QString png = absolute(options.Png);
  const QString pdf = absolute(options.Pdf);
  const QString startFolder = QDir::currentPath();
  QDir::setCurrent(QFileInfo(folder.absolutePath()).absolutePath());
  RecordingUi recorder;
  QString caption;
  PlotModel plot;
  const bool opened = OpenPlotFile(name, &caption, &plot) == PlotOpen::Opened;
  bool saved = true;
  if (opened && !target.isEmpty()) saved = SavePlotFile(target, caption, plot) == 0;
  if (opened && !png.isEmpty()) saved = PlotWindowImage(plot, options.WindowSize).save(png, "PNG") && saved;
  if (opened && !pdf.isEmpty()) saved = PrintPlotToPdf(plot, caption, options.WindowSize, pdf) && saved;
  QDir::setCurrent(startFolder);
  QString out = QStringLiteral("file ") + Quoted(name) + QLatin1Char('\n');
  for (const QString& line : recorder.lines) out += line + QLatin1Char('\n');
  if (opened) out += DumpPlot(caption, plot);
  *text = out;
  return opened && saved ? 0 : 1;
}

}  // namespace pm
