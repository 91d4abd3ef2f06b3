#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

class QByteArray;
class QCloseEvent;
class QMdiSubWindow;
class QTextEdit;

namespace pm {

class TFindDialog;
class TOSTRELFORM;

// The read-only viewer of listings (kind 3000), logs (3500), other output
// files (6000) and the results report (123): RTF shows as rich text, any
// other file as Windows-1252 text in Courier New, without wrapping.
class TViewForm final : public QWidget {
  Q_OBJECT

 public:
  explicit TViewForm(TOSTRELFORM* main, QWidget* parent = nullptr);
  ~TViewForm() override;

  // Reads Name into the viewer; the file name and caption follow it. A
  // file that cannot be read gets its message and leaves the viewer empty;
  // the result is 0 or the errno.
  int Load(const QString& Name);
  // Shows bytes that are no file of their own (the filled report).
  void LoadBytes(const QByteArray& bytes);

  // The find dialog's search: from the end of the selection (the start of
  // the text when nothing is selected) down, with the dialog's options.
  // Selects the match, or beeps when there is none. True when found.
  bool Find(const QString& text, bool matchCase, bool wholeWord);
  // Edit/Find shows the dialog; Search Again repeats its last search.
  void ShowFindDialog();
  void SearchAgain();
  TFindDialog* Dialog();

  const QString& FileName() const { return fileName_; }
  void SetFileName(const QString& name);
  int Kind() const;
  void SetKind(int kind);
  QTextEdit* Viewer() const { return viewer_; }
  QMdiSubWindow* SubWindow() const;

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void FindFromDialog();

  QPointer<TOSTRELFORM> main_;
  QTextEdit* viewer_;
  TFindDialog* findDialog_ = nullptr;
  QString fileName_;
};

}  // namespace pm
