#pragma once

#include <QDialog>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace pm {

class ColorBoxFrame;

// "Make Group": wraps the selected Source lines in a visual group.
class TMakeGroupDlg : public QDialog {
 public:
  explicit TMakeGroupDlg(QPlainTextEdit* editor, QWidget* parent = nullptr);

  void FormActivate();
  void ColorBoxMouseDown();
  void OKBtnClick();

  QLineEdit* GroupNameEdit = nullptr;
  QLineEdit* DescriptionEdit = nullptr;
  ColorBoxFrame* ColorBox = nullptr;
  QPushButton* OKBtn = nullptr;
  QPushButton* CancelBtn = nullptr;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QPlainTextEdit* editor_;
  unsigned formColor_ = 0xFFFFFF;
  bool activated_ = false;
};

bool ShowMakeGroupDlg(QWidget* parent);

}  // namespace pm
