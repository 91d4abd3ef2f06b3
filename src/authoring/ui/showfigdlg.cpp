#include "authoring/ui/showfigdlg.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

#include "common/lib1.h"
#include "formdeck/picturemarkup.h"

namespace pm {

TShowFigDlg::TShowFigDlg(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("ShowFigDlg"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  Scroller = new QScrollArea(this);
  Scroller->setObjectName(QStringLiteral("Scroller"));
  Scroller->setFrameShape(QFrame::NoFrame);
  Image1 = new QLabel(Scroller);
  Image1->setObjectName(QStringLiteral("Image1"));
  Scroller->setWidget(Image1);
  layout->addWidget(Scroller);
}

bool TShowFigDlg::FormActivate() {
  const QImage picture = LoadPictureFile(ResolveUnquoted(PictureName));
  if (picture.isNull()) {
    ShowMessageKind(QStringLiteral("Figure file ") + PictureName + QStringLiteral(" could not be read"), 0,
                    true);
    return false;
  }
  Image1->setPixmap(QPixmap::fromImage(picture));
  Image1->resize(picture.size());
  setWindowTitle(PictureName);
  QSize size = picture.size();
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen) {
    // The frame and title need room too.
    const QRect free = screen->availableGeometry().adjusted(0, 0, -16, -48);
    if (size.width() > free.width()) size.rheight() += Scroller->horizontalScrollBar()->sizeHint().height();
    if (size.height() > free.height()) size.rwidth() += Scroller->verticalScrollBar()->sizeHint().width();
    size = size.boundedTo(free.size());
    resize(size);
    move(free.center() - QPoint(size.width() / 2, size.height() / 2));
  } else {
    resize(size);
  }
  return true;
}

}  // namespace pm
