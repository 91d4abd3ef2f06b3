#pragma once

#include "common/ui/draglist.h"

#include <QDialog>
#include <QPointer>

class QMdiSubWindow;
class QPushButton;
class QToolButton;

namespace pm {

class TOSTRELFORM;

// "Select Windows to Print": the open windows on the left, those to print
// on the right; OK prints them in that order into one job.
class TPrintDlg final : public QDialog {
  Q_OBJECT

 public:
  explicit TPrintDlg(TOSTRELFORM* main);

  // Fills the lists anew: every child that can print, the active one on
  // the right.
  void FormActivate();
  void IncludeBtnClick();
  void ExcludeBtnClick();
  void IncAllBtnClick();
  void ExcAllBtnClick();
  void SetItem(QListWidget* List, int Index);
  void SetButtons();
  void OKBtnClick();

  DragList* SrcList;
  DragList* DstList;
  QToolButton* IncludeBtn;
  QToolButton* IncAllBtn;
  QToolButton* ExcludeBtn;
  QToolButton* ExAllBtn;
  QPushButton* OKBtn;
  QPushButton* CancelBtn;
  QPushButton* HelpBtn;
  // Shown while the job runs; made by the main block.
  QPointer<QWidget> Progress;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void AddWindow(QListWidget* list, QMdiSubWindow* child);
  QPointer<TOSTRELFORM> main_;
};

}  // namespace pm
