#pragma once

#include "common/textsearch.h"

#include <QDialog>

class QCheckBox;
class QGridLayout;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTextCursor;
class QTextEdit;

namespace pm {

// "Find": find text, whole word and match case; the search runs forward
// only, so it offers no direction. It stays open beside its window (not
// modal); Find Next fires Find, and the window that owns it searches.
// Find Next is off while the find text is empty.
class TFindDialog : public QDialog {
  Q_OBJECT

 public:
  explicit TFindDialog(QWidget* parent = nullptr);

  QString FindText() const;
  void SetFindText(const QString& text);
  SearchOptions Options() const;
  void SetOptions(SearchOptions options);
  // Shows the dialog, or raises it when shown, with the find text selected.
  void Execute();
  // A shown dialog that covers the hit (screen coordinates) moves above it,
  // or below it when the screen has no room above.
  void KeepClearOf(const QRect& hit);

  QLineEdit* FindEdit = nullptr;
  QCheckBox* WholeWord = nullptr;
  QCheckBox* MatchCase = nullptr;
  QPushButton* FindNext = nullptr;
  QPushButton* CancelButton = nullptr;

 Q_SIGNALS:
  void Find();

 protected:
  TFindDialog(QWidget* parent, bool withReplace);
  virtual void UpdateButtons();

  QGridLayout* grid_ = nullptr;
};

// "Replace": the Find dialog with a replace text, Replace and Replace All.
// Both fire Replace; ReplaceAll tells which of them was pressed last.
class TReplaceDialog final : public TFindDialog {
  Q_OBJECT

 public:
  explicit TReplaceDialog(QWidget* parent = nullptr);

  QString ReplaceText() const;
  void SetReplaceText(const QString& text);
  bool ReplaceAll() const { return replaceAll_; }
  void SetReplaceAll(bool all) { replaceAll_ = all; }
  // The request that Replace carries out.
  ReplaceRequest Request() const;

  QLineEdit* ReplaceEdit = nullptr;
  QPushButton* ReplaceButton = nullptr;
  QPushButton* ReplaceAllButton = nullptr;

 Q_SIGNALS:
  void Replace();

 protected:
  void UpdateButtons() override;

 private:
  bool replaceAll_ = false;
};

// The screen rectangle of a hit selected in a text control, for
// KeepClearOf.
QRect FoundTextRect(const QPlainTextEdit& edit, const QTextCursor& found);
QRect FoundTextRect(const QTextEdit& edit, const QTextCursor& found);

}  // namespace pm
