#include "plots/plotfile.h"

#include "common/binaryfields.h"
#include "common/lib1.h"
#include "platform/cp1252.h"
#include "platform/extended.h"
#include "platform/textfile.h"

#include <QtEndian>

#include <cerrno>
#include <cmath>
#include <new>
#include <string>
#include <utility>

namespace pm {

namespace {

// Offsets inside the block.
constexpr int kLineCountAt = 0;
constexpr int kReserved4At = 4;
constexpr int kXTitleAt = 260;
constexpr int kYTitleAt = 291;
constexpr int kPadding322At = 322;
constexpr int kXMinAt = 328;
constexpr int kYMinAt = 338;
constexpr int kXMaxAt = 348;
constexpr int kYMaxAt = 358;
constexpr int kXGridlinesAt = 368;
constexpr int kYGridlinesAt = 369;
constexpr int kPadding370At = 370;
constexpr int kXMinorTicksAt = 372;
constexpr int kYMinorTicksAt = 376;
constexpr int kXTicksAt = 380;
constexpr int kYTicksAt = 384;
constexpr int kXLogAt = 388;
constexpr int kYLogAt = 389;
constexpr int kXFormatAt = 390;
constexpr int kYFormatAt = 394;
constexpr int kShowLegendAt = 398;
constexpr int kPadding399At = 399;
constexpr int kLinesAt = 400;
constexpr int kReserved8200At = kLinesAt + kPlotMaxLines * kPlotLineSize;

static_assert(kXTitleAt == kReserved4At + 256);
static_assert(kYTitleAt == kXTitleAt + ShortString<30>::kFieldSize);
static_assert(kPadding322At == kYTitleAt + ShortString<30>::kFieldSize);
static_assert(kXMinAt == kPadding322At + 6 && kYMaxAt + 10 == kXGridlinesAt);
static_assert(kLinesAt == 244 + kPlotLineSize * 1);
static_assert(kReserved8200At == 8200);
static_assert(kReserved8200At + 32 == kPlotBlockSize);
static_assert(kPlotFileFixedSize == 8488);

// Offsets inside a line record.
constexpr int kPointCountAt = 0;
constexpr int kRowCountAt = 4;
constexpr int kReserved8At = 8;
constexpr int kLineNumberAt = 12;
constexpr int kXColumnAt = 16;
constexpr int kYColumnAt = 20;
constexpr int kXNameAt = 24;
constexpr int kYNameAt = 45;
constexpr int kXUnitAt = 66;
constexpr int kYUnitAt = 87;
constexpr int kXDataAt = 108;  // pointers: written as zero, never read
constexpr int kYDataAt = 112;
constexpr int kFromRowAt = 116;
constexpr int kToRowAt = 120;
constexpr int kLineStyleAt = 124;
constexpr int kSymbolAt = 128;
constexpr int kColorIndexAt = 132;
constexpr int kSmoothingAt = 136;
constexpr int kReserved137At = 137;
constexpr int kPadding138At = 138;
constexpr int kReserved140At = 140;

static_assert(kYNameAt == kXNameAt + ShortString<20>::kFieldSize);
static_assert(kXDataAt == kYUnitAt + ShortString<20>::kFieldSize);
static_assert(kYDataAt == kXDataAt + 4 && kFromRowAt == kYDataAt + 4);
static_assert(kReserved140At + 16 == kPlotLineSize);

// Bytes of one double in the file.
constexpr qint64 kPointSize = 8;
static_assert(sizeof(double) == kPointSize);

void WriteExtended(Writer& w, int at, long double value) { w.raw(at, EncodeExtended(value)); }

void WriteFormat(Writer& w, int at, const TNumberFormat& format, std::uint8_t padding) {
  w.byte(at, format.Fixed);
  w.byte(at + 1, padding);
  w.int16(at + 2, format.Digits);
}

void WriteLine(Writer& w, int at, const TPlotLine& line) {
  w.int32(at + kPointCountAt, line.PointCount);
  w.int32(at + kRowCountAt, line.RowCount);
  w.int32(at + kReserved8At, line.Reserved8);
  w.int32(at + kLineNumberAt, line.LineNumber);
  w.int32(at + kXColumnAt, line.XColumn);
  w.int32(at + kYColumnAt, line.YColumn);
  w.raw(at + kXNameAt, line.XName.Bytes);
  w.raw(at + kYNameAt, line.YName.Bytes);
  w.raw(at + kXUnitAt, line.XUnit.Bytes);
  w.raw(at + kYUnitAt, line.YUnit.Bytes);
  w.int32(at + kXDataAt, 0);
  w.int32(at + kYDataAt, 0);
  w.int32(at + kFromRowAt, line.FromRow);
  w.int32(at + kToRowAt, line.ToRow);
  w.int32(at + kLineStyleAt, line.LineStyle);
  w.int32(at + kSymbolAt, line.Symbol);
  w.int32(at + kColorIndexAt, line.ColorIndex);
  w.byte(at + kSmoothingAt, line.Smoothing);
  w.byte(at + kReserved137At, line.Reserved137);
  w.raw(at + kPadding138At, line.Padding138);
  w.raw(at + kReserved140At, line.Reserved140);
}

void WriteBlock(Writer& w, int at, const TPlotSettings& s) {
  w.int32(at + kLineCountAt, s.LineCount);
  w.raw(at + kReserved4At, s.Reserved4);
  w.raw(at + kXTitleAt, s.XTitle.Bytes);
  w.raw(at + kYTitleAt, s.YTitle.Bytes);
  w.raw(at + kPadding322At, s.Padding322);
  WriteExtended(w, at + kXMinAt, s.XMin);
  WriteExtended(w, at + kYMinAt, s.YMin);
  WriteExtended(w, at + kXMaxAt, s.XMax);
  WriteExtended(w, at + kYMaxAt, s.YMax);
  w.byte(at + kXGridlinesAt, s.XGridlines);
  w.byte(at + kYGridlinesAt, s.YGridlines);
  w.raw(at + kPadding370At, s.Padding370);
  w.int32(at + kXMinorTicksAt, s.XMinorTicks);
  w.int32(at + kYMinorTicksAt, s.YMinorTicks);
  w.int32(at + kXTicksAt, s.XTicks);
  w.int32(at + kYTicksAt, s.YTicks);
  w.byte(at + kXLogAt, s.XLog);
  w.byte(at + kYLogAt, s.YLog);
  WriteFormat(w, at + kXFormatAt, s.XFormat, s.XFormatPadding);
  WriteFormat(w, at + kYFormatAt, s.YFormat, s.YFormatPadding);
  w.byte(at + kShowLegendAt, s.ShowLegend);
  w.byte(at + kPadding399At, s.Padding399);
  for (int k = 1; k <= kPlotMaxLines; ++k) WriteLine(w, at + kLinesAt + (k - 1) * kPlotLineSize, s.Lines[k]);
  w.raw(at + kReserved8200At, s.Reserved8200);
}

// Extended values that are NaN, infinite or stored as no x87 stores them
// (a pseudo-denormal) are no axis end.
bool ReadAxisEnd(const Reader& in, qint64 at, long double* value) {
  ExtendedBytes bytes{};
  in.raw(at, &bytes);
  *value = DecodeExtended(bytes);
  return std::isfinite(*value) && EncodeExtended(*value) == bytes;
}

void ReadFormat(const Reader& in, qint64 at, TNumberFormat* format, std::uint8_t* padding) {
  in.integer(at, &format->Fixed);
  in.integer(at + 1, padding);
  in.integer(at + 2, &format->Digits);
}

// The caller has checked that the record's bytes are present.
void ReadLine(const Reader& in, qint64 at, TPlotLine* line) {
  in.integer(at + kPointCountAt, &line->PointCount);
  in.integer(at + kRowCountAt, &line->RowCount);
  in.integer(at + kReserved8At, &line->Reserved8);
  in.integer(at + kLineNumberAt, &line->LineNumber);
  in.integer(at + kXColumnAt, &line->XColumn);
  in.integer(at + kYColumnAt, &line->YColumn);
  in.raw(at + kXNameAt, &line->XName.Bytes);
  in.raw(at + kYNameAt, &line->YName.Bytes);
  in.raw(at + kXUnitAt, &line->XUnit.Bytes);
  in.raw(at + kYUnitAt, &line->YUnit.Bytes);
  in.integer(at + kFromRowAt, &line->FromRow);
  in.integer(at + kToRowAt, &line->ToRow);
  in.integer(at + kLineStyleAt, &line->LineStyle);
  in.integer(at + kSymbolAt, &line->Symbol);
  in.integer(at + kColorIndexAt, &line->ColorIndex);
  in.integer(at + kSmoothingAt, &line->Smoothing);
  in.integer(at + kReserved137At, &line->Reserved137);
  in.raw(at + kPadding138At, &line->Padding138);
  in.raw(at + kReserved140At, &line->Reserved140);
}

// False when an axis end is no number the plot can use.
bool ReadBlock(const Reader& in, qint64 at, TPlotSettings* s) {
  in.integer(at + kLineCountAt, &s->LineCount);
  in.raw(at + kReserved4At, &s->Reserved4);
  in.raw(at + kXTitleAt, &s->XTitle.Bytes);
  in.raw(at + kYTitleAt, &s->YTitle.Bytes);
  in.raw(at + kPadding322At, &s->Padding322);
  const bool ends = ReadAxisEnd(in, at + kXMinAt, &s->XMin) && ReadAxisEnd(in, at + kYMinAt, &s->YMin) &&
                    ReadAxisEnd(in, at + kXMaxAt, &s->XMax) && ReadAxisEnd(in, at + kYMaxAt, &s->YMax);
  in.integer(at + kXGridlinesAt, &s->XGridlines);
  in.integer(at + kYGridlinesAt, &s->YGridlines);
  in.raw(at + kPadding370At, &s->Padding370);
  in.integer(at + kXMinorTicksAt, &s->XMinorTicks);
  in.integer(at + kYMinorTicksAt, &s->YMinorTicks);
  in.integer(at + kXTicksAt, &s->XTicks);
  in.integer(at + kYTicksAt, &s->YTicks);
  in.integer(at + kXLogAt, &s->XLog);
  in.integer(at + kYLogAt, &s->YLog);
  ReadFormat(in, at + kXFormatAt, &s->XFormat, &s->XFormatPadding);
  ReadFormat(in, at + kYFormatAt, &s->YFormat, &s->YFormatPadding);
  in.integer(at + kShowLegendAt, &s->ShowLegend);
  in.integer(at + kPadding399At, &s->Padding399);
  for (int k = 1; k <= kPlotMaxLines; ++k) ReadLine(in, at + kLinesAt + (k - 1) * kPlotLineSize, &s->Lines[k]);
  in.raw(at + kReserved8200At, &s->Reserved8200);
  return ends;
}

bool LineStringsFit(const TPlotLine& line) {
  return line.XName.Valid() && line.YName.Valid() && line.XUnit.Valid() && line.YUnit.Valid();
}

// Points are copied bit for bit: a NaN comes back as it was stored.
void AppendPoints(QByteArray* out, const std::vector<double>& points) {
  if (points.empty()) return;  // an empty vector may have no storage to copy from
  const qsizetype at = out->size();
  out->resize(at + static_cast<qsizetype>(points.size()) * kPointSize);
  qToLittleEndian<double>(points.data(), static_cast<qsizetype>(points.size()), out->data() + at);
}

void ReadPoints(const QByteArray& bytes, qint64 at, std::int32_t count, std::vector<double>* points) {
  points->resize(static_cast<size_t>(count));
  if (count == 0) return;
  qFromLittleEndian<double>(bytes.constData() + at, count, points->data());
}

}  // namespace

qint64 PlotFileSize(const TPlotSettings& settings) {
  qint64 size = kPlotFileFixedSize;
  for (int k = 1; k <= settings.LineCount && k <= kPlotMaxLines; ++k)
    size += kPlotLineSize + 2 * kPointSize * qint64{settings.Lines[k].PointCount};
  return size;
}

bool EncodePlotFile(const QString& caption, const PlotModel& plot, QByteArray* bytes) {
  const TPlotSettings& s = plot.Settings;
  if (s.LineCount < 0 || s.LineCount > kPlotMaxLines) return false;
  for (int k = 1; k <= s.LineCount; ++k) {
    const auto count = static_cast<size_t>(s.Lines[k].PointCount);
    if (s.Lines[k].PointCount < 0 || plot.Points[k].X.size() != count || plot.Points[k].Y.size() != count)
      return false;
  }

  // A window title made from a path: cut, not refused.
  std::string title = ToCp1252(caption);
  if (title.size() > 255) title.resize(255);
  QByteArray head(kPlotFileFixedSize, '\0');
  Writer w(&head);
  w.byte(0, static_cast<std::uint8_t>(title.size()));
  std::copy(title.begin(), title.end(), head.data() + 1);
  WriteBlock(w, kPlotCaptionSize, s);

  QByteArray out;
  out.reserve(PlotFileSize(s));
  out.append(head);
  for (int k = 1; k <= s.LineCount; ++k) {
    QByteArray record(kPlotLineSize, '\0');
    Writer lw(&record);
    WriteLine(lw, 0, s.Lines[k]);
    out.append(record);
    AppendPoints(&out, plot.Points[k].X);
    AppendPoints(&out, plot.Points[k].Y);
  }
  *bytes = std::move(out);
  return true;
}

PlotDecode DecodePlotFile(const QByteArray& bytes, QString* caption, PlotModel* plot) {
  if (bytes.size() < kPlotFileFixedSize) return PlotDecode::NotValid;
  const Reader in(bytes);
  try {
    PlotModel read;
    TPlotSettings& s = read.Settings;
    if (!ReadBlock(in, kPlotCaptionSize, &s)) return PlotDecode::NotValid;
    if (s.LineCount < 1 || s.LineCount > kPlotMaxLines) return PlotDecode::NotValid;
    if (!s.XTitle.Valid() || !s.YTitle.Valid()) return PlotDecode::NotValid;
    qint64 at = kPlotFileFixedSize;
    for (int k = 1; k <= s.LineCount; ++k) {
      if (!in.has(at, kPlotLineSize)) return PlotDecode::NotValid;
      TPlotLine line;
      ReadLine(in, at, &line);
      // The record is written twice; copies that differ mean a damaged file.
      if (!(line == s.Lines[k]) || !LineStringsFit(line)) return PlotDecode::NotValid;
      at += kPlotLineSize;
      const qint64 count = line.PointCount;
      if (count < 0 || 2 * kPointSize * count > bytes.size() - at) return PlotDecode::NotValid;
      ReadPoints(bytes, at, line.PointCount, &read.Points[k].X);
      ReadPoints(bytes, at + kPointSize * count, line.PointCount, &read.Points[k].Y);
      at += 2 * kPointSize * count;
    }
    if (at != bytes.size()) return PlotDecode::NotValid;
    const auto length = static_cast<unsigned char>(bytes[0]);
    QString title = FromCp1252(std::string_view(bytes.constData() + 1, length));
    *plot = std::move(read);
    *caption = std::move(title);
    return PlotDecode::Ok;
  } catch (const std::bad_alloc&) {
    return PlotDecode::NoMemory;
  }
}

QString NotValidPlotFileMessage(const QString& name) {
  return QStringLiteral("File ") + name + QStringLiteral(" is not a valid plot file.");
}

QString PlotMemoryMessage() { return QStringLiteral("Insufficient memory available for opening the plot"); }

int SavePlotFile(const QString& fileName, const QString& caption, const PlotModel& plot) {
  int err = 0;
  try {
    QByteArray bytes;
    err = EncodePlotFile(caption, plot, &bytes) ? WriteFileAtomic(ResolveUnquoted(fileName), bytes) : EINVAL;
  } catch (const std::bad_alloc&) {
    err = ENOMEM;
  }
  if (err != 0) ShowMessageKind(WriteErrorMessage(err, StripQuotes(fileName)), 0, true);
  return err;
}

PlotOpen OpenPlotFile(const QString& fileName, QString* caption, PlotModel* plot) {
  const QString name = StripQuotes(fileName);
  PlotDecode decoded = PlotDecode::NoMemory;
  try {
    QByteArray bytes;
    if (const int err = ReadFileBytes(ResolveUnquoted(fileName), &bytes); err != 0) {
      ShowMessageKind(OpenErrorMessage(err, name), 0, true);
      return PlotOpen::CannotRead;
    }
    decoded = DecodePlotFile(bytes, caption, plot);
  } catch (const std::bad_alloc&) {
    decoded = PlotDecode::NoMemory;
  }
  switch (decoded) {
    case PlotDecode::Ok:
      return PlotOpen::Opened;
    case PlotDecode::NotValid:
      ShowMessageKind(NotValidPlotFileMessage(name), 0, true);
      return PlotOpen::NotValid;
    case PlotDecode::NoMemory:
      break;
  }
  ShowMessageKind(PlotMemoryMessage(), 2, true);
  return PlotOpen::NoMemory;
}

}  // namespace pm
