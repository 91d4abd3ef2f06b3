#include "plots/ui/plotform.h"

#include "common/globals.h"
#include "common/lib1.h"
#include "common/printstate.h"
#include "plots/plotfile.h"
#include "plots/plotprint.h"
#include "plots/qtplotpainter.h"
#include "plots/ui/plothost.h"

#include <QCloseEvent>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QRegion>
#include <QScrollBar>

#include <algorithm>
#include <limits>

namespace pm {

namespace {

constexpr QSize kDefaultClient(484, 300);

// Left and top inside, right and bottom outside; a mirrored rectangle is
// hit where it is drawn.
bool Inside(int left, int top, int right, int bottom, QPoint p) {
  return p.x() >= std::min(left, right) && p.x() < std::max(left, right) && p.y() >= std::min(top, bottom) &&
         p.y() < std::max(top, bottom);
}

QRect FromEdges(int left, int top, int right, int bottom) {
  QRect r;
  r.setCoords(left, top, right, bottom);
  return r;
}

int RoundScaled(long double v) {
  return static_cast<int>(std::clamp<std::int64_t>(CheckedRound(v), std::numeric_limits<int>::min(),
                                                   std::numeric_limits<int>::max()));
}

// The outline of a rectangle, a few pixels wide, to repaint the rubber band.
QRegion Outline(const QRect& r) {
  const QRect n = r.normalized().adjusted(-2, -2, 2, 2);
  return QRegion(n).subtracted(QRegion(n.adjusted(5, 5, -5, -5)));
}

}  // namespace

long double PlotPrintScale(int pageWidth, int pageHeight, bool landscape, QSize client, const PlotExtent& extent) {
  const int m = PrinterPpiFor(pageWidth, pageHeight, landscape);
  const int extentW = extent.MaxX - extent.MinX;
  const int extentH = extent.MaxY - extent.MinY;
  // A minimised window has no client area: the drawing's own size stands in.
  int w = client.width() > 0 ? client.width() : extentW;
  int h = client.height() > 0 ? client.height() : extentH;
  if (w <= 0) w = kDefaultClient.width();
  if (h <= 0) h = kDefaultClient.height();
  long double scale = static_cast<long double>(pageWidth - m) / w;
  if (landscape) scale = std::min(scale, static_cast<long double>(pageHeight - m) / h);
  // A legend or title wider than the window must still end on the page.
  if (extentW > 0) scale = std::min(scale, static_cast<long double>(pageWidth - m) / extentW);
  return scale;
}

TPlotForm::TPlotForm(QWidget* parent) : QAbstractScrollArea(parent) {
  PlotScale() = 1.0L;
  plot_.Settings = PlotBuffer();
  SetChildKind(this, KindPlot);
  setWindowTitle(QStringLiteral("PlotForm"));
  setFrameShape(QFrame::NoFrame);
  viewport()->setBackgroundRole(QPalette::Button);
  viewport()->setAutoFillBackground(true);
  viewport()->setMouseTracking(true);
  resize(kDefaultClient);
  PlotChanged();
}

TPlotForm::~TPlotForm() = default;

QMdiSubWindow* TPlotForm::SubWindow() const { return qobject_cast<QMdiSubWindow*>(parentWidget()); }

void TPlotForm::SetBounds(const PlotBounds& bounds) {
  bounds_ = bounds;
  PlotChanged();
}

void TPlotForm::MarkChanged() { modified_ = true; }

void TPlotForm::PlotChanged() {
  extent_ = LayoutPlot(plot_, bounds_);
  UpdateScrollRanges();
  viewport()->update();
}

void TPlotForm::UpdateScrollRanges() {
  const QSize view = viewport()->size();
  horizontalScrollBar()->setRange(0, std::max(0, extent_.MaxX + 50 - view.width()));
  horizontalScrollBar()->setPageStep(std::max(1, view.width()));
  verticalScrollBar()->setRange(0, std::max(0, extent_.MaxY + 50 - view.height()));
  verticalScrollBar()->setPageStep(std::max(1, view.height()));
}

void TPlotForm::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  UpdateScrollRanges();
}

void TPlotForm::scrollContentsBy(int, int) { viewport()->update(); }

QPoint TPlotForm::ToPlot(QPoint viewport) const {
  return viewport + QPoint(horizontalScrollBar()->value(), verticalScrollBar()->value());
}

QRect TPlotForm::PlotRect() const {
  return FromEdges(bounds_.PlotLeft, bounds_.PlotTop, bounds_.PlotRight, bounds_.PlotBottom);
}

QRect TPlotForm::HandleRect() const {
  return FromEdges(bounds_.PlotRight - 10, bounds_.PlotBottom - 10, bounds_.PlotRight + 10, bounds_.PlotBottom + 10);
}

void TPlotForm::paintEvent(QPaintEvent* event) {
  QPainter qp(viewport());
  const QPoint origin = ToPlot(QPoint(0, 0));
  qp.translate(-origin);
  {
    QtPlotPainter painter(qp);
    PlotPaint paint;
    paint.Plot = &plot_;
    paint.Bounds = bounds_;
    paint.Exposed = event->rect().translated(origin);
    DrawPlot(paint, painter);
  }
  if (moving_ || resizing_) {
    QPen pen(Qt::black, 1, Qt::DashLine);
    qp.setPen(pen);
    qp.setBrush(Qt::NoBrush);
    int l, t, r, b;
    rubber_.getCoords(&l, &t, &r, &b);
    // Frameit: down the left side, along the bottom, up the right, back.
    qp.drawPolyline(QPolygon({QPoint(l, t), QPoint(l, b), QPoint(r, b), QPoint(r, t), QPoint(l, t)}));
  }
}

void TPlotForm::UpdateRubber(const QRect& next) {
  const QPoint origin = ToPlot(QPoint(0, 0));
  viewport()->update(Outline(rubber_).united(Outline(next)).translated(-origin));
  rubber_ = next;
}

void TPlotForm::UpdateCursor(QPoint at) {
  Qt::CursorShape shape = Qt::ArrowCursor;
  if (moving_) {
    shape = Qt::ClosedHandCursor;
  } else if (resizing_) {
    shape = Qt::SizeFDiagCursor;
  } else {
    int l, t, r, b;
    HandleRect().getCoords(&l, &t, &r, &b);
    if (Inside(l, t, r, b, at)) {
      shape = Qt::SizeAllCursor;
    } else if (Inside(bounds_.PlotLeft, bounds_.PlotTop, bounds_.PlotRight, bounds_.PlotBottom, at)) {
      shape = Qt::CrossCursor;
    }
  }
  viewport()->setCursor(shape);
}

void TPlotForm::mousePressEvent(QMouseEvent* event) {
  const QPoint at = ToPlot(event->position().toPoint());
  if (!dblClickPending_ && !moving_ && !resizing_) {
    int l, t, r, b;
    HandleRect().getCoords(&l, &t, &r, &b);
    if (Inside(l, t, r, b, at)) {
      resizing_ = true;
      viewport()->setCursor(Qt::SizeFDiagCursor);
    } else if (Inside(bounds_.PlotLeft, bounds_.PlotTop, bounds_.PlotRight, bounds_.PlotBottom, at)) {
      moving_ = true;
      viewport()->setCursor(Qt::SizeAllCursor);
    }
    if (moving_ || resizing_) {
      last_ = at;
      rubber_ = PlotRect();
      UpdateRubber(rubber_);
    }
  }
  dblClickPending_ = false;
  event->accept();
}

void TPlotForm::mouseMoveEvent(QMouseEvent* event) {
  const QPoint at = ToPlot(event->position().toPoint());
  UpdateCursor(at);
  if (moving_) {
    UpdateRubber(rubber_.translated(at - last_));
    last_ = at;
  } else if (resizing_) {
    int l, t, r, b;
    rubber_.getCoords(&l, &t, &r, &b);
    UpdateRubber(FromEdges(l, t, at.x(), at.y()));
    last_ = at;
  }
  event->accept();
}

void TPlotForm::mouseReleaseEvent(QMouseEvent* event) {
  event->accept();
  // The release that follows a double click ends nothing.
  if (dblClickPending_) {
    dblClickPending_ = false;
    return;
  }
  if (!moving_ && !resizing_) return;
  if (moving_) {
    int l, t, r, b;
    rubber_.getCoords(&l, &t, &r, &b);
    // Kept where a press can reach it again: no edge left of or above 0.
    const int dx = std::max(0, -std::min(l, r));
    const int dy = std::max(0, -std::min(t, b));
    bounds_.PlotLeft = l + dx;
    bounds_.PlotRight = r + dx;
    bounds_.PlotTop = t + dy;
    bounds_.PlotBottom = b + dy;
  } else {
    bounds_.PlotRight = std::max(0, last_.x());
    bounds_.PlotBottom = std::max(0, last_.y());
  }
  moving_ = false;
  resizing_ = false;
  UpdateCursor(ToPlot(event->position().toPoint()));
  PlotChanged();
}

void TPlotForm::mouseDoubleClickEvent(QMouseEvent* event) {
  event->accept();
  dblClickPending_ = true;
  // The first click of the pair started and ended a drag of no length.
  moving_ = false;
  resizing_ = false;
  ModifyPlot();
}

void TPlotForm::ModifyPlot() {
  const auto& dialog = ModifyPlotDialog();
  if (!dialog) return;
  QPointer<TPlotForm> self(this);
  const ModifyPlotResult result = dialog(*this);
  if (!self) return;
  if (result == ModifyPlotResult::Unchanged) return;
  MarkChanged();
  PlotChanged();
  if (result == ModifyPlotResult::DeleteWindow) CloseWithoutQuestion();
}

bool TPlotForm::Save(const QString& fileName) {
  if (SavePlotFile(fileName, windowTitle(), plot_) != 0) return false;
  plotFileName_ = fileName;
  setWindowFilePath(fileName);
  modified_ = false;
  return true;
}

bool TPlotForm::Open(const QString& fileName) {
  QString caption;
  PlotModel plot;
  if (OpenPlotFile(fileName, &caption, &plot) != PlotOpen::Opened) return false;
  plot_ = std::move(plot);
  setWindowTitle(caption);
  plotFileName_ = fileName;
  setWindowFilePath(fileName);
  modified_ = false;
  PlotChanged();
  return true;
}

long double TPlotForm::PrintScale() const {
  const PrintState& ps = PS();
  return PlotPrintScale(ps.PageWidth, ps.PageHeight, ps.Landscape, viewport()->size(), extent_);
}

int TPlotForm::PrintHeight() const {
  return RoundScaled((bounds_.PlotBottom - bounds_.PlotTop + 100) * PrintScale());
}

void TPlotForm::Print() {
  PS().Printing = true;
  const PlotExtent extent = LayoutPlot(plot_, bounds_);
  PlotScale() = PlotPrintScale(PS().PageWidth, PS().PageHeight, PS().Landscape, viewport()->size(), extent);
  PrintPlot(plot_, windowTitle(), bounds_, extent, PlotScale());
  PlotScale() = 1.0L;
}

bool TPlotForm::FormCloseQuery() {
  if (!Modified()) return true;
  const QString name = plotFileName_.isEmpty() ? QStringLiteral("This plot") : plotFileName_;
  switch (ShowMessageKind(name + QStringLiteral(" has been changed.  Save it?"), 7, false)) {
    case ModalResult::Yes:
      if (!plotFileName_.isEmpty()) return Save(plotFileName_);
      // This window, not whichever is active.
      return GetPlotHost() && GetPlotHost()->SavePlotWindowAs(this);
    case ModalResult::No:
      return true;
    default:
      return false;
  }
}

bool TPlotForm::CloseAnswered() {
  answered_ = true;
  QMdiSubWindow* sub = SubWindow();
  const bool closed = sub ? sub->close() : close();
  answered_ = false;
  return closed;
}

void TPlotForm::closeEvent(QCloseEvent* event) {
  if (!answered_ && !FormCloseQuery()) {
    event->ignore();
    return;
  }
  event->accept();
}

}  // namespace pm
