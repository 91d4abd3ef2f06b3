#pragma once

#include "plots/plotdata.h"
#include "plots/plotmodel.h"

#include <QDialog>
#include <QString>
#include <QStringList>

#include <functional>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace pm {

class PlotSampleSpin;

// "Plot Setup": a new plot, or more lines on an open plot, from columns of a
// plot data file. Made once; keeps its line look and legend choice between
// showings.
class TPlotSetup : public QDialog {
  Q_OBJECT
 public:
  explicit TPlotSetup(QWidget* parent = nullptr);

  // New Plot: lists the input deck's folder and selects pltFileName when
  // it is there, else the deck's own ".PLT", else the first file.
  void SetNewPlot(const QString& inputFileName, const QString& pltFileName);
  // Overlay Plot: lists the folder of pltFileName, selects it, and adds the
  // lines to plot.
  void SetOverlay(const QString& pltFileName, PlotModel* plot);

  // Where the plots go: a new plot's window is made from its model and
  // caption; an overlaid plot is repainted.
  std::function<void(PlotModel&& plot, const QString& caption)> CreatePlotWindow;
  std::function<void()> OverlayChanged;
  // The run's plot numbering; the dialog's own when the owner sets none.
  int* PlotCount = &ownPlotCount_;

  QString DataFileName;
  QString SavedFileName;
  bool Overlay = false;
  PlotModel* OverlayPlot = nullptr;
  PlotData Data;  // the columns of the file read last

  QComboBox* PlotFileList;
  QListWidget* ListBoxX;
  QLineEdit* MinXV;
  QLineEdit* MaxXV;
  QLineEdit* TicksVX;
  QRadioButton* LinearX;
  QRadioButton* LogX;
  QComboBox* XStyle;
  QComboBox* XDigits;
  QListWidget* ListBoxY;
  QLineEdit* MinYV;
  QLineEdit* MaxYV;
  QLineEdit* TicksVY;
  QRadioButton* LinearY;
  QRadioButton* LogY;
  QComboBox* YStyle;
  QComboBox* YDigits;
  QLineEdit* FromRowV;
  QLineEdit* ToRowV;
  PlotSampleSpin* SpinLine;
  PlotSampleSpin* SpinSymbol;
  PlotSampleSpin* SpinColor;
  QCheckBox* SmoothingBox;
  QCheckBox* LegendBox;
  QPushButton* OKBtn;
  QPushButton* CancelBtn;

  void FormActivate();
  void FillPlotFileList();
  void PlotFileListChange();
  void SetXList();
  void SetYList();
  void SetRows();
  void ListBoxXClick();
  void ListBoxYClick();
  void MinMax(int axis);
  void OKBtnClick();
  void CancelBtnClick();

 protected:
  void showEvent(QShowEvent* event) override;
  void done(int result) override;

 private:
  struct AxisControls;
  AxisControls Axis(int axis) const;
  QString Preselect() const;
  void UpdateOk();
  void EnableAxes(bool enabled);
  bool ReadTicks(QLineEdit* edit, int* ticks);
  void BuildLines(TPlotSettings* s, Array1<PlotLinePoints, kPlotMaxLines>* points, int first, int fromRow, int toRow);

  QStringList preselect_;
  int ownPlotCount_ = 0;
};

}  // namespace pm
