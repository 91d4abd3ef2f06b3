#pragma once

#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>

class QAction;
class QCloseEvent;
class QMdiSubWindow;
class QMenu;
class QPlainTextEdit;
class QShowEvent;
class QTextCursor;

namespace pm {

class TFindDialog;
class TReplaceDialog;

// The plain-text child window of engine decks and other text files (kind
// 1000 for ".DCK", 7000 for any other file). It loads a file as bytes,
// saves its lines with CR LF, and asks before closing with unsaved
// changes. A file that is not text is shown read-only and never written.
class TEditForm final : public QWidget {
  Q_OBJECT

 public:
  explicit TEditForm(QWidget* parent = nullptr);
  ~TEditForm() override;

  // A new window: caption and file name "NoName" + number + ".DCK", kind
  // 1000. The number is the main window's count of editors made.
  void FormCreate(int number);

  // Loads Name and takes its kind by extension. A file that cannot be read
  // gets its message and leaves the window as it was; the result is 0 or
  // the errno.
  int Open(const QString& Name);
  // Writes the lines to FileName. A failure is reported and the window stays
  // modified; a read-only window writes nothing. Returns 0 or the errno
  // (EILSEQ for a character that Windows-1252 cannot hold).
  int Save();
  // True when the window may close; Yes saves first.
  bool FormCloseQuery();
  // Closes without a second question: the command closing it asked already.
  // True when the window closed.
  bool CloseAnswered();

  // Find Next of either dialog: searches forward from the end of the
  // selection (or the caret) and selects the match; not found beeps.
  void Find(TFindDialog* dialog);
  // Replace and Replace All of the replace dialog.
  void Replace();
  // Comments or uncomments the lines of the selection.
  void Comment1Click();
  void Undo1Click();
  void Cut1Click();
  void Copy1Click();
  void Paste1Click();
  void SelectAll1Click();
  // Enables the pop-up items before the pop-up shows.
  void PopupMenu1Popup();
  // Keeps the editor font equal to the Source font of the settings.
  void FormPaint();
  // Prints the lines into the running print job.
  void Print();

  const QString& FileName() const { return fileName_; }
  // The file and the caption follow the name.
  void SetFileName(const QString& name);
  int Kind() const;
  void SetKind(int kind);
  bool IsReadOnly() const { return readOnly_; }
  // Read-only: never saved.
  void SetReadOnly(bool readOnly);
  bool Modified() const;
  void SetModified(bool modified);
  QString Text() const;
  QStringList Lines() const;
  QPlainTextEdit* Editor() const { return editor_; }
  QMdiSubWindow* SubWindow() const;
  // Room for a deck's lines when the window opens.
  QSize sizeHint() const override;

  TFindDialog* FindDialog = nullptr;
  TReplaceDialog* ReplaceDialog = nullptr;
  QMenu* PopupMenu1 = nullptr;
  QAction* Comment1 = nullptr;
  QAction* Undo1 = nullptr;
  QAction* Cut1 = nullptr;
  QAction* Copy1 = nullptr;
  QAction* Paste1 = nullptr;
  QAction* SelectAll1 = nullptr;

 protected:
  bool event(QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildPopupMenu();
  void ShowFound(const QTextCursor& found);
  void CopyFindText(const QString& text);

  QPlainTextEdit* editor_ = nullptr;
  QString fileName_;
  bool readOnly_ = false;
  bool answered_ = false;
};

// The text editor made last (the main window's text-editor reference);
// closing any text editor clears it.
QPointer<TEditForm>& EditForm();

}  // namespace pm
