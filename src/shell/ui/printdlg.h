#pragma once

#include <QDialog>
#include <QListWidget>
#include <QPointer>

#include <functional>

class QMdiSubWindow;
class QPushButton;
class QToolButton;

namespace pm {

class TOSTRELFORM;

// A print list that moves the dragged windows over when they are dropped.
class PrintList final : public QListWidget {
  Q_OBJECT

 public:
  using QListWidget::QListWidget;
  std::function<void()> OnDrop;

 protected:
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;
};

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
  void MoveSelected(QListWidget* List, QListWidget* Destination);
  void SetItem(QListWidget* List, int Index);
  static int GetFirstSelection(QListWidget* List);
  void SetButtons();
  void OKBtnClick();

  PrintList* SrcList;
  PrintList* DstList;
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
