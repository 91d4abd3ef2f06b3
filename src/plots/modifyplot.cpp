#include "plots/modifyplot.h"

#include "common/lib1.h"
#include "plots/plotdrawing.h"
#include "platform/cp1252.h"

#include <algorithm>

namespace pm {

namespace {

QString Shown(const std::string& text) { return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())); }

void LoadAxis(const ShortString<30>& title, long double min, long double max, std::int32_t ticks, std::uint8_t log,
              std::uint8_t grid, TNumberFormat format, ModPlotAxisFields* a) {
  a->Title = title.Shown();
  a->MinText = Shown(FormatNumber(format, min));
  a->MaxText = Shown(FormatNumber(format, max));
  a->TicksText = QString::number(ticks);
  a->Log = log != 0;
  a->Gridlines = grid != 0;
  a->Style = format.Fixed == 1 ? 1 : 0;
  a->Digits = std::clamp<int>(format.Digits, 0, 9);
}

// The range fields' syntax: blanks before, a number, nothing after.
bool ReadNumberText(const QString& text, long double* value) {
  QString t = text.left(255);
  if (t.isEmpty()) t = QStringLiteral(" ");
  return TextToNumber(t.toLatin1().toStdString(), value);
}

struct AxisValues {
  long double Min = 0;
  long double Max = 0;
  int Ticks = 0;
};

ModPlotRefusal Refuse(ModPlotField field, QString message = {}) { return {field, std::move(message)}; }

// Minimum then maximum of one axis; the refusal names the failing field.
ModPlotRefusal ReadRange(const ModPlotAxisFields& a, ModPlotField minField, ModPlotField maxField, AxisValues* v) {
  if (!ReadNumberText(a.MinText, &v->Min)) return Refuse(minField);
  // Logarithms need a positive start.
  if (a.Log && !(v->Min > 0)) return Refuse(minField);
  if (!ReadNumberText(a.MaxText, &v->Max) || !NumberInRange(1, v->Max, v->Min, 0)) return Refuse(maxField);
  return {};
}

ModPlotRefusal ReadTicks(const ModPlotAxisFields& a, ModPlotField field, AxisValues* v) {
  if (!ReadInteger(a.TicksText.toStdString(), &v->Ticks)) return Refuse(field, NotIntegerMessage(a.TicksText));
  if (v->Ticks < 1 || v->Ticks > kPlotTickLimit) return Refuse(field);
  return {};
}

ModPlotRefusal CheckTitle(const QString& title, ModPlotField field) {
  ShortString<30> probe;
  const TextFit fit = title.size() > kPlotTitleLength ? TextFit::TooLong : probe.Set(title);
  if (fit == TextFit::NotStorable)
    return Refuse(field, QStringLiteral("The title holds characters that cannot be stored in a plot file."));
  if (fit == TextFit::TooLong)
    return Refuse(field, QStringLiteral("The title is too long: a plot title holds at most 30 characters."));
  return {};
}

}  // namespace

QStringList PlotLineItems(const TPlotSettings& s) {
  QStringList items;
  const int count = std::clamp<int>(s.LineCount, 0, kPlotMaxLines);
  for (int k = 1; k <= count; ++k) {
    const TPlotLine& l = s.Lines[k];
    const QString head = (l.YName.Shown() + QStringLiteral(" vs. ")).left(25);
    items << (head + l.XName.Shown()).left(45);
  }
  return items;
}

void LoadPlotLine(const TPlotSettings& s, int line, ModPlotFields* f) {
  f->Line = line;
  if (line < 1 || line > std::min<int>(s.LineCount, kPlotMaxLines)) return;
  const TPlotLine& l = s.Lines[line];
  f->LineStyle = l.LineStyle;
  f->Symbol = l.Symbol;
  f->ColorIndex = l.ColorIndex;
  f->Smoothing = l.Smoothing != 0;
}

ModPlotFields ModPlotFieldsOf(const TPlotSettings& s) {
  ModPlotFields f;
  LoadAxis(s.XTitle, s.XMin, s.XMax, s.XTicks, s.XLog, s.XGridlines, s.XFormat, &f.Axis[0]);
  LoadAxis(s.YTitle, s.YMin, s.YMax, s.YTicks, s.YLog, s.YGridlines, s.YFormat, &f.Axis[1]);
  f.Legend = s.ShowLegend != 0;
  LoadPlotLine(s, std::clamp<int>(s.LineCount, 0, kPlotMaxLines), &f);
  return f;
}

ModPlotRefusal StoreModPlot(const ModPlotFields& f, TPlotSettings* s) {
  if (ModPlotRefusal r = CheckTitle(f.Axis[0].Title, ModPlotField::XTitle); r.Field != ModPlotField::None) return r;
  if (ModPlotRefusal r = CheckTitle(f.Axis[1].Title, ModPlotField::YTitle); r.Field != ModPlotField::None) return r;
  AxisValues x;
  AxisValues y;
  if (ModPlotRefusal r = ReadRange(f.Axis[0], ModPlotField::MinX, ModPlotField::MaxX, &x); r.Field != ModPlotField::None)
    return r;
  if (ModPlotRefusal r = ReadRange(f.Axis[1], ModPlotField::MinY, ModPlotField::MaxY, &y); r.Field != ModPlotField::None)
    return r;
  if (ModPlotRefusal r = ReadTicks(f.Axis[0], ModPlotField::TicksX, &x); r.Field != ModPlotField::None) return r;
  if (ModPlotRefusal r = ReadTicks(f.Axis[1], ModPlotField::TicksY, &y); r.Field != ModPlotField::None) return r;

  // Everything read: nothing below can fail.
  s->ShowLegend = f.Legend ? 1 : 0;
  s->XTitle.Set(f.Axis[0].Title);
  s->YTitle.Set(f.Axis[1].Title);
  s->XGridlines = f.Axis[0].Gridlines ? 1 : 0;
  s->YGridlines = f.Axis[1].Gridlines ? 1 : 0;
  s->XMin = x.Min;
  s->XMax = x.Max;
  s->YMin = y.Min;
  s->YMax = y.Max;
  s->XTicks = x.Ticks;
  s->YTicks = y.Ticks;
  s->XLog = f.Axis[0].Log ? 1 : 0;
  s->YLog = f.Axis[1].Log ? 1 : 0;
  s->XFormat.Fixed = static_cast<std::uint8_t>(f.Axis[0].Style == 1 ? 1 : 0);
  s->XFormat.Digits = static_cast<std::int16_t>(std::clamp(f.Axis[0].Digits, 0, 9));
  s->YFormat.Fixed = static_cast<std::uint8_t>(f.Axis[1].Style == 1 ? 1 : 0);
  s->YFormat.Digits = static_cast<std::int16_t>(std::clamp(f.Axis[1].Digits, 0, 9));
  if (f.Line >= 1 && f.Line <= std::min<int>(s->LineCount, kPlotMaxLines)) {
    TPlotLine& l = s->Lines[f.Line];
    l.LineStyle = f.LineStyle;
    l.Symbol = f.Symbol;
    l.ColorIndex = f.ColorIndex;
    // A ticked box that was ticked keeps the byte the file held.
    if ((l.Smoothing != 0) != f.Smoothing) l.Smoothing = f.Smoothing ? 1 : 0;
  }
  return {};
}

DeleteLineResult DeletePlotLine(PlotModel* plot, int line) {
  TPlotSettings& s = plot->Settings;
  const int count = std::min<int>(s.LineCount, kPlotMaxLines);
  if (line < 1 || line > count) return DeleteLineResult::NoLine;
  if (count == 1) return DeleteLineResult::DeletePlot;
  for (int k = line; k < count; ++k) {
    s.Lines[k] = s.Lines[k + 1];
    plot->Points[k] = std::move(plot->Points[k + 1]);
  }
  plot->Points[count] = {};
  s.LineCount = count - 1;
  return DeleteLineResult::Deleted;
}

}  // namespace pm
