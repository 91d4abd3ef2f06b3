#pragma once

#include <QLabel>

class QMouseEvent;
class QPaintEvent;
class QPainter;

namespace pm {

struct TFormElement;

// The label of an element. A page may hold tens of thousands of labels, and
// Qt's cost of showing and hiding a page grows with the controls shown on
// it; so a label is never shown as a control of its own. The control it
// stands in draws it (DrawLabels) and passes it the right click (the only
// click it takes; the others are the page's, as if the label were not
// there), which the form handles. It counts as shown wherever that control
// is.
class TDescriptor : public QLabel {
  Q_OBJECT
 public:
  explicit TDescriptor(QWidget* parent);

  bool Printable = false;  // the form printer prints it
  TFormElement* Element = nullptr;
  // The label marks where the next element goes; a list input without a
  // drop-down gives this up.
  bool HasPosition = true;

  // Draws the label where it stands in the control being painted, as a
  // label shown by itself would.
  void DrawIn(QPainter& painter) const;
  // The right click on the label.
  void WMRButtonDown();
  // Asks the control it stands in to paint it again (after a change of
  // text, size or place, which a label not shown does not ask for itself);
  // was is the area it took before.
  void Repaint(const QRect& was);
};

// A label counts for the flow of the page unless it gave up its position;
// no label counts for nothing.
bool LabelCounts(const QWidget* label);

// The label object is, when the control it stands in draws it (one shown
// by some caller draws itself as any control does); else none.
const TDescriptor* DrawnLabel(const QObject* object);
TDescriptor* DrawnLabel(QObject* object);
// Draws the labels standing in parent that the paint event reaches; the
// parent's paintEvent calls it last.
void DrawLabels(QWidget* parent, const QPaintEvent* event);
// A right click on a label standing in parent goes to that label; true when
// it went.
bool LabelTookClick(QWidget* parent, QMouseEvent* event);
// Whether a control would be seen with ancestor shown: a label is shown
// wherever the control it stands in is.
bool ShownTo(const QWidget* control, const QWidget* ancestor);

}  // namespace pm
