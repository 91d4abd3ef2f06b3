#pragma once

#include <QLabel>

namespace pm {

struct TFormElement;

// The label of an element. It takes no clicks of its own (they reach the
// page below it), except the right click, which the form handles.
class TDescriptor : public QLabel {
  Q_OBJECT
 public:
  explicit TDescriptor(QWidget* parent);

  bool Printable = false;  // the form printer prints it
  TFormElement* Element = nullptr;
  // The label marks where the next element goes; a list input without a
  // drop-down gives this up.
  bool HasPosition = true;

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void WMRButtonDown();
};

// A label counts for the flow of the page unless it gave up its position;
// no label counts for nothing.
bool LabelCounts(const QWidget* label);

}  // namespace pm
