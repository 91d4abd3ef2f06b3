#pragma once

#include <QDialog>
#include <QPointer>

#include <cstdint>

class QLineEdit;
class QPushButton;
class QRadioButton;

namespace pm {

class TTableForm;

// "Insert or Delete Table Runs": inserts or deletes runs in every column at
// the top, at the bottom or after a given run.
class TInsertRunsDlg final : public QDialog {
  Q_OBJECT

 public:
  explicit TInsertRunsDlg(TTableForm* table, QWidget* parent = nullptr);

  // Sets the controls from the fields; runs once, when first shown.
  void FormActivate();
  void InsertButtonClick();
  void DeleteButtonClick();
  void AttopClick();
  void AtbottomClick();
  void AfterRowClick();
  void OKBtnClick();

  bool Insert = true;
  int Position = 0;  // 0 at top, 1 at bottom, 2 after row
  std::int32_t AfterRowNumber = 2;
  std::int32_t RowsNumber = 10;

  QLineEdit* RowsEdit;
  QRadioButton* InsertButton;
  QRadioButton* DeleteButton;
  QRadioButton* Attop;
  QRadioButton* Atbottom;
  QRadioButton* AfterRow;
  QLineEdit* AfterRowEdit;
  QPushButton* OKBtn;
  QPushButton* CancelBtn;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void SetPosition(int position);

  QPointer<TTableForm> table_;
  bool filled_ = false;
};

}  // namespace pm
