#pragma once

#include <QDialog>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace pm {

// "Add Picture": a picture line at the caret line.
class TAddPictureDlg : public QDialog {
 public:
  explicit TAddPictureDlg(QPlainTextEdit* editor, QWidget* parent = nullptr);

  void BrowseBtnClick();
  void ShowFileBtnClick();
  void OKBtnClick();

  QLineEdit* Edit1 = nullptr;
  QComboBox* AlignBox = nullptr;
  QPushButton* BrowseBtn = nullptr;
  QPushButton* ShowFileBtn = nullptr;
  QPushButton* OKBtn = nullptr;
  QPushButton* CancelBtn = nullptr;

 private:
  QPlainTextEdit* editor_;
};

bool ShowAddPictureDlg(QWidget* parent);

}  // namespace pm
