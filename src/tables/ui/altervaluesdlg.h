#pragma once

#include "tables/tableedits.h"

#include <QDialog>
#include <QPointer>

class QAction;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class QRadioButton;
class QToolButton;

namespace pm {

class TTableForm;

// "Alter Table Values": fills a range of runs of one column with a series,
// or clears them.
class TAlterValuesDlg final : public QDialog {
  Q_OBJECT

 public:
  explicit TAlterValuesDlg(TTableForm* table, QWidget* parent = nullptr);

  // Fills the list and the run range; runs once, when first shown.
  void FormActivate();
  void ClearValuesClick();
  void SetValuesClick();
  void LastIncBoxMouseDown();
  void LastValue1Click();
  void Increment1Click();
  void Multiplier1Click();
  void Button1Click();
  void OKBtnClick();
  // False when an entry was refused (its edit selected) or no variable is
  // chosen (a beep).
  bool FillTable();

  SeriesMode Mode = SeriesMode::Increment;

  QListWidget* ListBox;
  QLineEdit* FirstRunV;
  QLineEdit* LastRunV;
  QLabel* FirstValueL;
  QLineEdit* FirstValue;
  QLineEdit* IncorLast;
  QToolButton* LastIncBox;
  QMenu* PopupMenu;
  QAction* LastValue1;
  QAction* Increment1;
  QAction* Multiplier1;
  QRadioButton* ClearValues;
  QRadioButton* SetValues;
  QPushButton* Button1;
  QPushButton* OKBtn;
  QPushButton* Cancel;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void SetMode(SeriesMode mode, const QString& caption);
  void ShowSeries(bool show);

  QPointer<TTableForm> table_;
  bool filled_ = false;
};

}  // namespace pm
