#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

class QCloseEvent;
class QMdiSubWindow;
class QPlainTextEdit;

namespace pm {

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
  // modified; a read-only window writes nothing. Returns 0 or the errno.
  int Save();
  // True when the window may close; Yes saves first.
  bool FormCloseQuery();
  // Closes without a second question: the command closing it asked already.
  // True when the window closed.
  bool CloseAnswered();

  const QString& FileName() const { return fileName_; }
  // The file and the caption follow the name.
  void SetFileName(const QString& name);
  int Kind() const;
  void SetKind(int kind);
  bool IsReadOnly() const { return readOnly_; }
  // A viewer: read-only, never saved.
  void SetReadOnly(bool readOnly);
  bool Modified() const;
  void SetModified(bool modified);
  QString Text() const;
  QPlainTextEdit* Editor() const { return editor_; }
  QMdiSubWindow* SubWindow() const;

 protected:
  bool event(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  int Load(const QString& Name, bool* isText);

  QPlainTextEdit* editor_ = nullptr;
  QString fileName_;
  bool readOnly_ = false;
  bool answered_ = false;
};

// The text editor made last (the main window's text-editor reference);
// closing any text editor clears it.
QPointer<TEditForm>& EditForm();

}  // namespace pm
