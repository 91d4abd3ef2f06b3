#pragma once

#include <QString>
#include <QWidget>

class QPlainTextEdit;

namespace pm {

// The read-only child window of an engine output file (kind 6000): the
// file's text as Windows-1252 lines, never written back. The output
// windows of listings, logs and reports build on it.
class TViewForm final : public QWidget {
  Q_OBJECT

 public:
  explicit TViewForm(QWidget* parent = nullptr);

  // Loads Name. A file that cannot be read gets its message and leaves the
  // window empty; the result is 0 or the errno.
  int View(const QString& Name);

  const QString& FileName() const { return fileName_; }
  QPlainTextEdit* Viewer() const { return viewer_; }

 protected:
  bool event(QEvent* event) override;

 private:
  QPlainTextEdit* viewer_ = nullptr;
  QString fileName_;
};

}  // namespace pm
