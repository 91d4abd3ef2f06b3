#include "shell/ui/compiling.h"

#include "common/ui/dialoglook.h"
#include "shell/ui/windowhelpers.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFrame>
#include <QLabel>
#include <QShowEvent>
#include <QThread>
#include <QWindow>

#include <cstdlib>

namespace pm {

TCompiling::TCompiling(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
  setObjectName(QStringLiteral("Compiling"));
  setWindowTitle(QStringLiteral("Compiling"));
  setAttribute(Qt::WA_ShowWithoutActivating);
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);
  setFixedSize(219, 58);

  auto* panel = new QFrame(this);
  panel->setObjectName(QStringLiteral("Panel1"));
  panel->setFrameStyle(QFrame::Box | QFrame::Plain);
  panel->setGeometry(0, 0, 219, 58);
  auto* bevel = new QFrame(panel);
  bevel->setObjectName(QStringLiteral("Bevel1"));
  bevel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  bevel->setGeometry(6, 6, 207, 46);

  label1 = new QLabel(QStringLiteral("Reading line "), panel);
  label1->setObjectName(QStringLiteral("label1"));
  label1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  label1->setGeometry(12, 20, 110, 18);
  LineL = new QLabel(QStringLiteral("0"), panel);
  LineL->setObjectName(QStringLiteral("LineL"));
  LineL->setGeometry(122, 20, 85, 18);
  for (QLabel* label : {label1, LineL}) {
    label->setFont(DialogFont(true));
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(palette);
  }

  timer_.start();
  SetClock(nullptr);
}

void TCompiling::SetClock(Clock clock) { clock_ = clock ? std::move(clock) : Clock([this] { return timer_.elapsed(); }); }

void TCompiling::ResetProgressTick() { lastProgressTick_.reset(); }

void TCompiling::Update(int n) {
  const qint64 now = clock_();
  if (lastProgressTick_ && std::llabs(now - *lastProgressTick_) <= 100) return;
  if (n > 0) {
    label1->setText(QStringLiteral("Reading line "));
  } else if (n < 0) {
    label1->setText(QStringLiteral("Quorvel Run "));
  } else {
    label1->setText(QStringLiteral("Loading... "));
  }
  if (n != 0) {
    LineL->setText(QString::number(std::llabs(static_cast<long long>(n))));
    LineL->show();
  } else {
    LineL->hide();
  }
  // Painted now, labels and all: the caller keeps the event loop busy
  // until it is done.
  repaint();
  lastProgressTick_ = now;
}

void TCompiling::ShowExposed() {
  show();
  QElapsedTimer waited;
  waited.start();
  for (;;) {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    if ((windowHandle() && windowHandle()->isExposed()) || waited.elapsed() >= 300) break;
    QThread::msleep(5);
  }
  repaint();
}

void TCompiling::FormActivate() {
  label1->repaint();
  LineL->repaint();
  ResetProgressTick();
}

void TCompiling::FormDeactivate() { hide(); }

void TCompiling::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  CentreOnScreen(this);
  // The window is never activated, so the activation's reset happens here.
  FormActivate();
}

void TCompiling::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() != QEvent::ActivationChange) return;
  if (isActiveWindow()) {
    wasActive_ = true;
  } else if (wasActive_) {
    wasActive_ = false;
    FormDeactivate();
  }
}

}  // namespace pm
