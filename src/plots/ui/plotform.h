#pragma once

#include "plots/plotdrawing.h"
#include "plots/plotmodel.h"

#include <QAbstractScrollArea>
#include <QRect>
#include <QString>

class QMdiSubWindow;

namespace pm {

// Where printing puts a plot: the page (PS().PageWidth x PageHeight), its
// orientation, the window's client size and the layout pass's extent. m is
// the page's long side div 11; a client side of 0 falls back to the
// extent's, then to 484 x 300; the scale never lets the drawing pass the
// page's right edge.
long double PlotPrintScale(int pageWidth, int pageHeight, bool landscape, QSize client, const PlotExtent& extent);

// The window of one plot (kind 4000): owns the plot block and its points,
// paints them, moves the plot rectangle by a drag and resizes it by its
// lower-right corner, opens Modify Plot on a double click, prints itself
// and asks before a close that could lose the plot.
class TPlotForm final : public QAbstractScrollArea {
  Q_OBJECT

 public:
  // FormCreate: the block is a copy of PlotBuffer, no points, default
  // bounds, no file. The caller sets the caption or opens a file.
  explicit TPlotForm(QWidget* parent = nullptr);
  ~TPlotForm() override;

  PlotModel& Plot() { return plot_; }
  const PlotModel& Plot() const { return plot_; }
  const PlotBounds& Bounds() const { return bounds_; }
  void SetBounds(const PlotBounds& bounds);
  QString PlotFileName() const { return plotFileName_; }
  QMdiSubWindow* SubWindow() const;

  // The block or points changed (Modify Plot, an overlay): closing asks.
  void MarkChanged();
  // Never saved or opened, or changed since.
  bool Modified() const { return modified_ || plotFileName_.isEmpty(); }
  // After the block or points changed: new extent, scroll ranges, repaint.
  void PlotChanged();
  // Modify Plot on this window (a double click, the Plot menu): a change
  // marks the plot changed; deleting its last line closes the window.
  void ModifyPlot();

  // Writes the plot file; on success fileName is the plot file name and the
  // plot is unmodified. A failure has shown its message.
  bool Save(const QString& fileName);
  // Reads a plot file into the window, its caption and file name with it.
  // A failure has shown its message and changes nothing.
  bool Open(const QString& fileName);

  // The height the plot takes on paper, in printer pixels.
  int PrintHeight() const;
  // Prints into the running print job at CurrentY.
  void Print();

  // True when the window may close; Yes saves this window first, and a
  // cancelled or failed save keeps it.
  bool FormCloseQuery();
  // Closes without a second question. True when the window closed.
  bool CloseAnswered();
  // Closes with no question at all (Modify Plot deleted the last line).
  bool CloseWithoutQuestion() { return CloseAnswered(); }

  // The layout pass's extent of the last paint.
  const PlotExtent& Extent() const { return extent_; }
  bool Moving() const { return moving_; }
  bool Resizing() const { return resizing_; }
  QRect RubberRect() const { return rubber_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  QRect PlotRect() const;
  QRect HandleRect() const;
  // A pointer position in the drawing's coordinates (scroll offset added).
  QPoint ToPlot(QPoint viewport) const;
  void UpdateCursor(QPoint at);
  void UpdateScrollRanges();
  // Moves the rubber band, repainting only its old and new outline.
  void UpdateRubber(const QRect& next);
  long double PrintScale() const;

  PlotModel plot_;
  PlotBounds bounds_;
  PlotExtent extent_;
  QString plotFileName_;
  bool modified_ = false;
  bool moving_ = false;
  bool resizing_ = false;
  bool dblClickPending_ = false;
  bool answered_ = false;
  QRect rubber_;
  QPoint last_;
};

// Makes a plot window of a model and caption and adds it through the host
// (the plot set-up's new plot). Null without a host.
TPlotForm* NewPlotWindow(PlotModel plot, const QString& caption);

}  // namespace pm
