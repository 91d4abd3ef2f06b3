#pragma once

#include <QImage>
#include <QList>
#include <QPixmap>
#include <QRect>
#include <QStringList>
#include <QWidget>

namespace pm {

// A picture of the form: plain, linked to an application link, or with
// clickable areas (an image map) whose targets are tabs, help files or
// programs.
class TmyImage : public QWidget {
  Q_OBJECT
 public:
  enum class Click { None, HandleHRef, StartBrowser };

  explicit TmyImage(QWidget* parent);

  QImage Picture;
  QString FileName;
  int Alignment = 1;  // 0 left, 1 center, 2 right
  int LinkIndex = 0;  // the application-link index (the original's Tag)
  bool Transparent = false;
  Click OnClick = Click::None;
  QStringList HRefs;  // one target per area, as written
  // In picture pixels; COORDS x1,y1,x2,y2 is QRect(x1, y1, x2 - x1, y2 - y1),
  // which holds neither its x2 column nor its y2 row, as in the original.
  QList<QRect> Areas;
  QStringList Hints;
  QString PictureHint;  // the picture's own, shown outside its areas
  QString LastHint;
  QRect Outline;  // the area last outlined (Ctrl held)

  void SetPicture(const QImage& picture);
  // Adds an area (its rectangle and hint may follow later).
  void AddArea(const QString& href);

  void MouseMove(const QPoint& pos, Qt::KeyboardModifiers modifiers, const QPoint& globalPos);
  void HandleHRef(const QPoint& pos);
  void StartBrowser();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QImage maskedFrom_;
  QPixmap masked_;
  int areaAt(const QPoint& pos) const;
};

// Opens a deck's help file at a context id: an HTML page (".htm", ".html")
// in the help window; otherwise its HTML rendition (a folder of the same
// base name beside it, with index.html and context.map) in the help window,
// else the desktop's open action. Pictures' areas and the project index use
// it.
bool OpenAreaHelp(const QString& file, int context);
// True when OpenAreaHelp has something to show: the file exists, or its
// rendition's index.html does.
bool AreaHelpExists(const QString& file);

}  // namespace pm
