#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace pm {

// The Find dialog the viewers and editors share: "Find what", "Match whole
// word only", "Match case", Find Next and Cancel; searches go down only, so
// it shows no direction. Modeless: Find Next asks its owner to search.
class FindDialog final : public QDialog {
  Q_OBJECT

 public:
  explicit FindDialog(QWidget* parent = nullptr);

  QString FindText() const;
  void SetFindText(const QString& text);
  bool WholeWord() const;
  bool MatchCase() const;

  QLineEdit* FindEdit() const { return findEdit_; }
  QCheckBox* WholeWordBox() const { return wholeWord_; }
  QCheckBox* MatchCaseBox() const { return matchCase_; }
  QPushButton* FindNextButton() const { return findNext_; }

 Q_SIGNALS:
  void Find();

 private:
  QLineEdit* findEdit_;
  QCheckBox* wholeWord_;
  QCheckBox* matchCase_;
  QPushButton* findNext_;
};

}  // namespace pm
