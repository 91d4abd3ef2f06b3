#pragma once

#include <QWidget>

class QToolButton;

namespace pm {

// A sample of a line's look: its line style (0 none, 1 thin, 2 thick,
// 3 dotted), symbol (0 none, 1..15) or plot colour (0..15), drawn as the
// plot draws it at scale 1.
class PlotSample : public QWidget {
  Q_OBJECT
 public:
  enum class Kind { Line, Symbol, Color };
  PlotSample(Kind kind, QWidget* parent = nullptr);
  Kind SampleKind() const { return kind_; }
  int Value() const { return value_; }
  void SetValue(int value);
  QSize sizeHint() const override { return {65, 21}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Kind kind_;
  int value_ = 0;
};

// A sample with its spin button: up and down arrows step the value through
// 0..Top and round again. Down steps forward, up back, as the original's
// spin buttons do.
class PlotSampleSpin : public QWidget {
  Q_OBJECT
 public:
  PlotSampleSpin(PlotSample::Kind kind, QWidget* parent = nullptr);
  int Value() const { return sample_->Value(); }
  void SetValue(int value) { sample_->SetValue(value); }
  int Top() const;
  PlotSample* Sample() const { return sample_; }
  QToolButton* UpButton() const { return up_; }
  QToolButton* DownButton() const { return down_; }
  void UpClick();
  void DownClick();

 private:
  PlotSample* sample_;
  QToolButton* up_;
  QToolButton* down_;
};

}  // namespace pm
