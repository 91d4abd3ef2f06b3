#pragma once

#include <QDialog>
#include <QImage>

class QLabel;
class QScrollArea;

namespace pm {

// A picture file at its own size; a picture larger than the screen scrolls.
class TShowFigDlg : public QDialog {
 public:
  explicit TShowFigDlg(QWidget* parent = nullptr);
  // Loads PictureName and sizes the window to it, centred; false after the
  // message of a file that does not decode (the window is then not shown).
  bool FormActivate();

  QString PictureName;
  QScrollArea* Scroller = nullptr;
  QLabel* Image1 = nullptr;
};

}  // namespace pm
