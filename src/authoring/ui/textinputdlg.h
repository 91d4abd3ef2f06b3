#pragma once

#include <QDialog>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;

namespace pm {

// "Simple Text Properties": a text line with the slot-1 lines it needs,
// inserted before the caret line.
class TTextInputDlg : public QDialog {
 public:
  explicit TTextInputDlg(QPlainTextEdit* editor, QWidget* parent = nullptr);

  void FormActivate();
  void OKBtnClick();

  QLineEdit* Edit1 = nullptr;
  QComboBox* FontBox = nullptr;
  QSpinBox* SizeBox = nullptr;
  QComboBox* StyleBox = nullptr;
  QComboBox* ColorBox = nullptr;
  QComboBox* AlignBox = nullptr;
  QPushButton* OKBtn = nullptr;
  QPushButton* CancelBtn = nullptr;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QPlainTextEdit* editor_;
  int p_ = 0;
  bool activated_ = false;
};

bool ShowTextInputDlg(QWidget* parent);

}  // namespace pm
