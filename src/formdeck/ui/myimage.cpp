#include "formdeck/ui/myimage.h"

#include <QBitmap>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include "common/lib1.h"
#include "common/settings.h"
#include "formdeck/inputtext.h"
#include "formdeck/markuptext.h"
#include "formdeck/ui/appbutton.h"
#include "formdeck/ui/elementform.h"
#include "platform/ui/plainhint.h"

namespace pm {

TmyImage::TmyImage(QWidget* parent) : QWidget(parent) {}

void TmyImage::SetPicture(const QImage& picture) {
  Picture = picture;
  resize(picture.size());
  update();
}

void TmyImage::AddArea(const QString& href) {
  HRefs.append(href);
  Areas.append(QRect());
  Hints.append(QString());
}

int TmyImage::areaAt(const QPoint& pos) const {
  for (int i = 0; i < Areas.size(); ++i)
    if (Areas[i].contains(pos)) return i;
  return -1;
}

void TmyImage::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (Transparent && !Picture.isNull()) {
    // The colour of the bottom-left pixel shows the page through; only on
    // screen, the printed form keeps the picture opaque.
    if (maskedFrom_.cacheKey() != Picture.cacheKey()) {
      masked_ = QPixmap::fromImage(Picture);
      masked_.setMask(masked_.createMaskFromColor(QColor(Picture.pixel(0, Picture.height() - 1)), Qt::MaskInColor));
      maskedFrom_ = Picture;
    }
    painter.drawPixmap(0, 0, masked_);
  } else {
    painter.drawImage(0, 0, Picture);
  }
  if (!Outline.isNull()) {
    // Qt cannot invert on a widget: the outline is drawn over the picture
    // and replaced by the next one.
    painter.setPen(QPen(Qt::white, 1, Qt::SolidLine));
    painter.drawRect(Outline.adjusted(0, 0, -1, -1));
    painter.setPen(QPen(Qt::black, 1, Qt::DashLine));
    painter.drawRect(Outline.adjusted(0, 0, -1, -1));
  }
}

void TmyImage::mouseMoveEvent(QMouseEvent* event) {
  // Only pictures with areas of their own follow the mouse; a linked
  // picture keeps its hand.
  if (!hasMouseTracking()) return;
  MouseMove(event->position().toPoint(), event->modifiers(), event->globalPosition().toPoint());
}

void TmyImage::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !rect().contains(event->position().toPoint())) return;
  if (OnClick == Click::HandleHRef) HandleHRef(event->position().toPoint());
  if (OnClick == Click::StartBrowser) StartBrowser();
}

void TmyImage::MouseMove(const QPoint& pos, Qt::KeyboardModifiers modifiers, const QPoint& globalPos) {
  if (Areas.isEmpty()) return;
  setCursor(Qt::ArrowCursor);
  const int i = areaAt(pos);
  if (i < 0) {
    // Outside every area the picture's own hint holds, never the last
    // area's.
    setToolTip(PlainHint(PictureHint));
    if (!LastHint.isEmpty()) QToolTip::hideText();
    LastHint.clear();
    return;
  }
  const QString hint = Hints.value(i);
  setToolTip(PlainHint(hint));
  if (hint != LastHint) QToolTip::showText(globalPos, PlainHint(hint), this);
  setCursor(Qt::PointingHandCursor);
  LastHint = hint;
  if (modifiers & Qt::ControlModifier) {
    Outline = Areas[i];
    update();
  }
}

void TmyImage::HandleHRef(const QPoint& pos) {
  const int i = areaAt(pos);
  if (i < 0) return;
  QString Target = HRefs.value(i);
  if (Target.startsWith(QLatin1Char('#'))) {
    if (ElementForm* form = FindElementForm(this)) form->ShowTabNamed(Target.mid(1));
    return;
  }
  int Context = 0;
  const qsizetype at = Target.indexOf(QLatin1Char('@'));
  if (at >= 0) {
    if (!ReadInteger(Target.mid(at + 1).toStdString(), &Context)) Context = 0;
    Target = Target.left(at);
  }
  if (!FileExistsUnquoted(Target)) {
    Target = BrowseForMissingFile(QStringLiteral("File"), Target, this);
    if (Target.isEmpty()) return;
  }
  if (Context >= 1 && Context <= 9998)
    OpenAreaHelp(Target, Context);
  else
    RunLinkCommand(Target);
}

void TmyImage::StartBrowser() {
  const int k = LinkIndex >= 1 && LinkIndex <= 5 ? LinkIndex : 0;
  // An application-link picture holds one target: its arguments.
  const QString arguments = HRefs.value(0);
  QString program;
  if (k >= 1) {
    program = DefaultSettings().AppLinkPaths[k];
    if (k <= 4 && !program.isEmpty() && !LocateLinkProgram(k, this, &program)) return;
  }
  RunLinkCommand(LinkCommand(program, arguments));
}

}  // namespace pm
