#pragma once

#include "plots/plotdata.h"
#include "plots/plotmodel.h"

#include <QDialog>
#include <QPointer>
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
class TPlotForm;

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
  // lines to the plot window.
  void SetOverlay(const QString& pltFileName, TPlotForm* window);

  // Where a new plot goes: by default a new plot window through the plot
  // host, numbered by it.
  std::function<void(PlotModel&& plot, const QString& caption)> CreatePlotWindow;
  // The number in the caption of the last plot made.
  int LastPlotNumber = 0;

  QString DataFileName;
  QString SavedFileName;
  bool Overlay = false;
  QPointer<TPlotForm> OverlayPlot;
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
};

}  // namespace pm
