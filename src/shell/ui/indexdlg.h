#pragma once

#include "shell/projectindex.h"

#include <QDialog>
#include <QImage>
#include <QString>

#include <vector>

class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QShowEvent;

namespace pm {

class TOSTRELFORM;

// "Select Project": the three title lines and the entries of a project
// index, a preview of the clicked entry's picture, and the open of the
// chosen deck through the main window.
class TIndexDlg final : public QDialog {
  Q_OBJECT

 public:
  explicit TIndexDlg(TOSTRELFORM& main);

  // Reads the index into the titles and the list (skipped while busy).
  void FormActivate();
  void theListClick();
  void theListDblClick();
  void OKBtnClick();
  void HelpBtnClick();

  // The selected entry's object, or null.
  const myObject* SelectedObject() const;
  // The picture shown in the preview (null when cleared).
  const QImage& Picture() const { return picture_; }

  QLabel* Label1 = nullptr;
  QLabel* Label2 = nullptr;
  QLabel* Label3 = nullptr;
  QListWidget* theList = nullptr;
  QLabel* Image1 = nullptr;
  QPushButton* OKBtn = nullptr;
  QPushButton* CancelBtn = nullptr;
  QPushButton* HelpBtn = nullptr;

  // Set by the caller before the dialog is shown.
  QString IndexFile;
  int Busy = 0;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void FormCreate();
  // Opens the selected entry; true when the dialog is done (opened, or the
  // program ends), false when it stays (nothing opened, or the user kept
  // what was open). A missing deck gives its message; missing is set then.
  bool OpenSelected(bool* missing);
  void ShowPicture(const QImage& image);

  TOSTRELFORM& main_;
  std::vector<myObject> objects_;
  QImage picture_;
};

}  // namespace pm
