#pragma once

#include <QDialog>
#include <QPointer>

#include <functional>
#include <string>
#include <vector>

class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QToolButton;

namespace pm {

class DragList;
class TTableForm;

// "New Parametric Table": which of the deck's constants (PEQList) become
// table variables. New mode makes a table of Runs runs and hands its window
// to ShowTable; modify mode changes the variables of the open table,
// keeping the values of those that stay.
class TNewTableDlg final : public QDialog {
  Q_OBJECT

 public:
  // table: the open table window, if any (the one to change in modify
  // mode). Modify mode reads PEQList again from the table's deck.
  TNewTableDlg(const QString& deckFileName, bool modify, TTableForm* table,
               std::function<void(TTableForm*)> showTable, QWidget* parent = nullptr);

  // Item data: the PEQList index (-1 for a table column whose name the
  // deck no longer has) and the name's bytes.
  static constexpr int kEntryRole = Qt::UserRole;
  static constexpr int kNameRole = Qt::UserRole + 1;
  // Shown after a table variable that is not among the deck's constants.
  static QString NotInDeckMark();

  // Fills both lists; runs once, when the dialog is first shown.
  void FormActivate();
  void IncludeBtnClick();
  void ExcludeBtnClick();
  void IncAllBtnClick();
  void ExcAllBtnClick();
  void SrcListMouseDown(QListWidgetItem* item);
  void DstListMouseDown(QListWidgetItem* item);
  void SetItem(QListWidget* List, int Index);
  void SetButtons();
  void OKBtnClick();

  // The names of the table list, in order, as bytes.
  std::vector<std::string> TableNames() const;

  bool Modify;
  QString DeckFileName;

  DragList* SrcList;
  DragList* DstList;
  QToolButton* IncludeBtn;
  QToolButton* IncAllBtn;
  QToolButton* ExcludeBtn;
  QToolButton* ExAllBtn;
  QLineEdit* Runs;
  QPushButton* OKBtn;
  QPushButton* CancelBtn;
  QLabel* Label1;
  QLabel* Label2;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void AddEntry(QListWidget* list, int index);
  void ShowItem(QListWidgetItem* item);
  // False, after the message, when a name is too long for the table.
  bool NamesFit(const QList<QListWidgetItem*>& items);
  // Items of the table list that cannot go back to the deck list go.
  void DropUnmatched(QListWidget* list);
  void OKNew();
  void OKModify();

  QPointer<TTableForm> table_;
  std::function<void(TTableForm*)> showTable_;
  bool filled_ = false;
};

}  // namespace pm
