#pragma once

#include <QWidget>

namespace pm {

// The product picture of the About box, drawn in code: a plant's supply and
// return loops over a warm-to-cool ground with the product name.
class AboutPicture final : public QWidget {
  Q_OBJECT

 public:
  explicit AboutPicture(QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

// The small "i" glyph of the Info button.
QIcon InfoGlyph();

}  // namespace pm
