#pragma once

#include <QDialog>

#include "authoring/listinput.h"

class QComboBox;
class QGroupBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;

namespace pm {

// "File Input Dialog": the drop-down list input line of an equation
// variable.
class TFileInputDlg : public QDialog {
 public:
  explicit TFileInputDlg(QPlainTextEdit* editor, QWidget* parent = nullptr);

  void FormCreate();
  void FormActivate();
  void VariableBoxChange();
  void OKBtnClick();
  void BrowseBtnClick();
  void ShowFileBtnClick();

  QComboBox* VariableBox = nullptr;
  QLineEdit* Edit1 = nullptr;
  QSpinBox* HelpSpin = nullptr;
  QGroupBox* FileGroup = nullptr;
  QLineEdit* FileNameEdit = nullptr;
  QPushButton* BrowseBtn = nullptr;
  QSpinBox* DisplaySpin = nullptr;
  QSpinBox* ValueSpin = nullptr;
  QPushButton* ShowFileBtn = nullptr;
  QPushButton* OKBtn = nullptr;
  QPushButton* CancelBtn = nullptr;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  int ItemIndex() const;

  QPlainTextEdit* editor_;
  ListFields loaded_;
  bool activated_ = false;
};

bool ShowFileInputDlg(QWidget* parent);

}  // namespace pm
