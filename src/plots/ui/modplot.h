#pragma once

#include "plots/modifyplot.h"

#include <QDialog>
#include <QPointer>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace pm {

class PlotSample;
class PlotSampleSpin;

// "Modify Plot": edits a plot window's block in place.
class TModPlot : public QDialog {
 public:
  // The result of a Delete of the only line: the opener closes the plot
  // window once exec() has returned.
  static constexpr int DeletePlotResult = 2;

  // plot: the block and points to edit; window: the plot window (caption,
  // repaint), may be null.
  TModPlot(PlotModel* plot, QWidget* window);

  void FormActivate();
  void SetPlotLineInfo();
  void OKBtnClick();
  void DeleteClick();
  void PlotLineBoxClick();
  void SpinLineUpClick();
  void SpinLineDownClick();
  void SpinSymbolUpClick();
  void SpinSymbolDownClick();
  void SpinColorUpClick();
  void SpinColorDownClick();

  // True once OK stored or Delete removed a line.
  bool Changed() const { return changed_; }

  QGroupBox* GroupBox1 = nullptr;
  QLineEdit* XAxisLabel = nullptr;
  QComboBox* XStyle = nullptr;
  QComboBox* XDigits = nullptr;
  QLineEdit* MinXV = nullptr;
  QLineEdit* MaxXV = nullptr;
  QRadioButton* LinearX = nullptr;
  QRadioButton* LogX = nullptr;
  QLineEdit* TicksVX = nullptr;
  QCheckBox* XGridlines = nullptr;
  QGroupBox* GroupBox2 = nullptr;
  QLineEdit* YAxisLabel = nullptr;
  QComboBox* YStyle = nullptr;
  QComboBox* YDigits = nullptr;
  QLineEdit* MinYV = nullptr;
  QLineEdit* MaxYV = nullptr;
  QRadioButton* LinearY = nullptr;
  QRadioButton* LogY = nullptr;
  QLineEdit* TicksVY = nullptr;
  QCheckBox* YGridLines = nullptr;
  QComboBox* PlotLineBox = nullptr;
  QPushButton* Delete = nullptr;
  // Each spin holds its sample and the value it shows.
  PlotSampleSpin* SpinLine = nullptr;
  PlotSampleSpin* SpinSymbol = nullptr;
  PlotSampleSpin* SpinColor = nullptr;
  QCheckBox* SmoothingBox = nullptr;
  QCheckBox* LegendBox = nullptr;
  QPushButton* OKBtn = nullptr;
  QPushButton* CancelBtn = nullptr;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QGroupBox* MakeAxis(bool x);
  ModPlotFields ReadControls() const;
  QWidget* FieldWidget(ModPlotField field) const;

  PlotModel* plot_;
  QPointer<QWidget> window_;
  bool activated_ = false;
  bool changed_ = false;
};

// Shows the dialog modally over a plot window. Returns true when the plot
// must go (its only line was deleted): the caller then closes the window,
// without the save question, after this returns. *modified (optional) tells
// whether the block changed.
bool ShowModifyPlotDlg(PlotModel* plot, QWidget* window, bool* modified = nullptr);

}  // namespace pm
