// plotdump [--save FILE] [--png FILE [--size WxH]] [--pdf FILE] PLOT.KPL
// plotdump --data DATA.PLT
// Reads a plot file as the plot window does and prints the messages shown
// and every field it read: the plot block and, per line, its columns,
// rows, look and first and last points. A refused file prints its message
// and exits with status 1. --save writes the plot back to FILE through the
// plot file's writer; --png draws it as the plot window shows it at the
// size given (600x350 by default); --pdf prints it alone on a Letter page
// (PELMARK_NOW fixes the header's date). --data reads a plot data file as
// Plot Setup does and prints its columns and the axis proposed for each.
#include <QGuiApplication>
#include <QRegularExpression>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/ui/fonts.h"
#include "plots/plotdump.h"

int main(int argc, char* argv[]) {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QGuiApplication app(argc, argv);
  pm::RegisterFontSubstitutes();
  const char* plot = nullptr;
  pm::PlotDumpOptions options;
  bool usage = false;
  bool data = false;
  for (int i = 1; i < argc && !usage; ++i) {
    if (std::strcmp(argv[i], "--data") == 0) {
      data = true;
    } else if (std::strcmp(argv[i], "--save") == 0 && i + 1 < argc) {
      options.SaveAs = QString::fromLocal8Bit(argv[++i]);
    } else if (std::strcmp(argv[i], "--png") == 0 && i + 1 < argc) {
      options.Png = QString::fromLocal8Bit(argv[++i]);
    } else if (std::strcmp(argv[i], "--pdf") == 0 && i + 1 < argc) {
      options.Pdf = QString::fromLocal8Bit(argv[++i]);
    } else if (std::strcmp(argv[i], "--size") == 0 && i + 1 < argc) {
      const auto m = QRegularExpression(QStringLiteral("^(\\d+)x(\\d+)$")).match(QString::fromLocal8Bit(argv[++i]));
      if (!m.hasMatch()) usage = true;
      else options.WindowSize = QSize(m.captured(1).toInt(), m.captured(2).toInt());
    } else if (!plot && argv[i][0] != '-') {
      plot = argv[i];
    } else {
      usage = true;
    }
  }
  if (!plot || usage) {
    std::fputs("usage: plotdump [--save FILE] [--png FILE [--size WxH]] [--pdf FILE] PLOT.KPL\n"
               "       plotdump --data DATA.PLT\n", stderr);
    return 2;
  }
  QString text;
  const int status = data ? pm::DumpPlotData(QString::fromLocal8Bit(plot), &text)
                          : pm::DumpPlotFile(QString::fromLocal8Bit(plot), options, &text);
  const QByteArray bytes = text.toUtf8();
  std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stdout);
  return status;
}
