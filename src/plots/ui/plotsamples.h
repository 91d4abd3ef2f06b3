#pragma once

#include "plots/plotpainter.h"

#include <QWidget>

#include <functional>

class QToolButton;

namespace pm {

// A stepper of two arrows and no value of its own: the value is its Tag,
// which the owner steps in the arrows' click handlers.
class TSpinButton : public QWidget {
 public:
  // Its arrows are named name + "Up" and name + "Down".
  TSpinButton(QWidget* parent, const char* name);

  int Tag = 0;
  QToolButton* UpButton = nullptr;
  QToolButton* DownButton = nullptr;
};

// A white sample box that paints itself through the plot drawing.
class TPaintBox : public QWidget {
 public:
  using Painter = std::function<void(PlotPainter&, QSize)>;
  TPaintBox(QWidget* parent, const char* name, Painter paint);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Painter paint_;
};

}  // namespace pm
