#pragma once

#include <QDialog>
#include <vector>

#include "authoring/assigninput.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace pm {

// An ASSIGN statement of the deck and the line that links it to a file
// input of the form.
class TAssignDlg : public QDialog {
 public:
  explicit TAssignDlg(QPlainTextEdit* editor, QWidget* parent = nullptr);

  void FormCreate();
  void FileRefBoxChange();
  void NotLinkedClick();
  void FileReferenceClick();
  void OpenFileClick();
  void BrowseBtnClick();
  void ShowFileBtnClick();
  void OKBtnClick();

  QComboBox* FileRefBox = nullptr;
  QRadioButton* FileReference = nullptr;
  QRadioButton* OpenFile = nullptr;
  QRadioButton* NotLinked = nullptr;
  QLineEdit* FileNameEdit = nullptr;
  QPushButton* BrowseBtn = nullptr;
  QPushButton* ShowFileBtn = nullptr;
  QSpinBox* DisplaySpin = nullptr;
  QSpinBox* FileSpin = nullptr;
  QLineEdit* Description = nullptr;
  QSpinBox* HelpSpin = nullptr;
  QPushButton* OKBtn = nullptr;
  QPushButton* CancelBtn = nullptr;

 private:
  void ShowLinkControls(bool columns, bool description);
  void CheckLink(QRadioButton* button);

  QPlainTextEdit* editor_;
  std::vector<AssignStatement> statements_;
  AssignFields loaded_;
  QLabel* displayLabel_ = nullptr;
  QLabel* fileColumnLabel_ = nullptr;
  QLabel* descriptionLabel_ = nullptr;
  QLabel* helpLabel_ = nullptr;
};

bool ShowAssignDlg(QWidget* parent);

}  // namespace pm
