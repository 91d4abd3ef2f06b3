#include "platform/ui/messagebox.h"

#include "platform/ui/qtuiservice.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QLayout>
#include <QScreen>

#include <algorithm>

namespace pm {

namespace {

// Room for the window-menu icon and the title-bar buttons beside the
// caption, and for the frame a window manager puts around the box.
constexpr int kTitleBarExtra = 150;
constexpr QMargins kFrame(8, 36, 8, 8);

QMessageBox::Icon boxIcon(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Error:
      return QMessageBox::Critical;
    case MessageIcon::Information:
      return QMessageBox::Information;
    case MessageIcon::Warning:
      return QMessageBox::Warning;
  }
  return QMessageBox::NoIcon;
}

QMessageBox::StandardButton buttonOf(ModalResult result) {
  switch (result) {
    case ModalResult::Ok:
      return QMessageBox::Ok;
    case ModalResult::Cancel:
      return QMessageBox::Cancel;
    case ModalResult::Yes:
      return QMessageBox::Yes;
    case ModalResult::No:
      return QMessageBox::No;
    case ModalResult::None:
      break;
  }
  return QMessageBox::NoButton;
}

QMessageBox::StandardButtons buttonsOf(MessageButtons buttons) {
  switch (buttons) {
    case MessageButtons::Ok:
      return QMessageBox::Ok;
    case MessageButtons::OkCancel:
      return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::YesNo:
      return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::YesNoCancel:
      return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
  }
  return QMessageBox::Ok;
}

}  // namespace

MessageBox::MessageBox(const MessageRequest& request, QWidget* parent)
    : QMessageBox(parent), escape_(pm::escapeButton(request.buttons)) {
  setIcon(boxIcon(request.icon));
  setWindowTitle(request.caption.isEmpty() ? iconWord(request.icon) : request.caption);
  setTextFormat(Qt::PlainText);
  setText(request.text);
  setStandardButtons(buttonsOf(request.buttons));
  setDefaultButton(buttonOf(pm::defaultButton(request.buttons)));
  setEscapeButton(buttonOf(escape_));
}

ModalResult MessageBox::Ask() {
  switch (exec()) {
    case QMessageBox::Ok:
      return ModalResult::Ok;
    case QMessageBox::Cancel:
      return ModalResult::Cancel;
    case QMessageBox::Yes:
      return ModalResult::Yes;
    case QMessageBox::No:
      return ModalResult::No;
    default:
      return escape_;
  }
}

int MessageBox::CaptionWidth() const {
  QFont title = font();
  title.setBold(true);
  return QFontMetrics(title).horizontalAdvance(windowTitle()) + kTitleBarExtra;
}

// QMessageBox sizes itself when shown and at every layout request; the
// caption and the screen are taken into account after it.
bool MessageBox::event(QEvent* event) {
  const bool done = QMessageBox::event(event);
  if (event->type() == QEvent::LayoutRequest && isVisible()) fitToScreen();
  return done;
}

void MessageBox::showEvent(QShowEvent* event) {
  QMessageBox::showEvent(event);
  fitToScreen();
}

void MessageBox::fitToScreen() {
  const QScreen* s = screen();
  if (!s || !layout()) return;
  const QRect avail = s->availableGeometry().marginsRemoved(kFrame);
  const int width = std::min(std::max(this->width(), CaptionWidth()), avail.width());
  int height = layout()->hasHeightForWidth() ? layout()->totalHeightForWidth(width) : this->height();
  if (height > avail.height()) {
    // Taller than the screen: the text gives way, the buttons stay.
    if (auto* label = findChild<QLabel*>(QStringLiteral("qt_msgbox_label")))
      label->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Ignored);
    height = avail.height();
  }
  height = std::max(height, 1);
  if (size() != QSize(width, height)) setFixedSize(width, height);
  // pos() is the frame's corner.
  const QRect screenArea = s->availableGeometry();
  const QSize framed = QSize(width, height).grownBy(kFrame);
  const QPoint corner(std::clamp(pos().x(), screenArea.left(), screenArea.right() + 1 - framed.width()),
                      std::clamp(pos().y(), screenArea.top(), screenArea.bottom() + 1 - framed.height()));
  if (corner != pos()) move(corner);
  QCoreApplication::removePostedEvents(this, QEvent::LayoutRequest);
}

}  // namespace pm
