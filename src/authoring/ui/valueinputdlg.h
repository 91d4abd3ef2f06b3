#pragma once

#include <QDialog>

#include "authoring/valueinput.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;

namespace pm {

// "Enter or Modify Input Value": the numeric input line of an equation
// variable and the font lines that style it.
class TValueInputDlg : public QDialog {
 public:
  // editor: the Source editor to edit; null writes nothing.
  explicit TValueInputDlg(QPlainTextEdit* editor, QWidget* parent = nullptr);

  void FormCreate();
  void FormActivate();
  void GetFontInfo();
  void VariableBoxChange();
  void OKBtnClick();

  QComboBox* VariableBox = nullptr;
  QLineEdit* Edit1 = nullptr;
  QGroupBox* UnitsGroup = nullptr;
  QLineEdit* PrimaryEdit = nullptr;
  QLineEdit* SEcondaryEdit = nullptr;
  QLineEdit* AddEdit = nullptr;
  QLineEdit* MultEdit = nullptr;
  QComboBox* ColorBox3 = nullptr;
  QLineEdit* MinValueEdit = nullptr;
  QLineEdit* MaxValueEdit = nullptr;
  QSpinBox* HelpSpin = nullptr;
  QComboBox* FontBox2 = nullptr;
  QSpinBox* SizeBox2 = nullptr;
  QComboBox* StyleBox2 = nullptr;
  QComboBox* ColorBox2 = nullptr;
  QCheckBox* SameBox = nullptr;
  QLineEdit* TabV2 = nullptr;
  QComboBox* inCm2 = nullptr;
  QLineEdit* TabV3 = nullptr;
  QComboBox* inCm3 = nullptr;
  QPushButton* OKBtn = nullptr;
  QPushButton* CancelBtn = nullptr;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  int ItemIndex() const;

  QPlainTextEdit* editor_;
  ValueFields loaded_;
  bool activated_ = false;
};

// Opens the value dialog over the current form window's Source editor;
// true when OK wrote the lines.
bool ShowValueInputDlg(QWidget* parent);

}  // namespace pm
