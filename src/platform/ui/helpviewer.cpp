#include "platform/ui/helpviewer.h"

#include <QApplication>
#include <QEvent>
#include <QFileInfo>
#include <QScreen>
#include <algorithm>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace pm {

HelpViewer::HelpViewer(QWidget* parent) : QWidget(parent, Qt::Window), browser_(new QTextBrowser(this)) {
  setObjectName(QStringLiteral("HelpViewer"));
  setWindowTitle(QStringLiteral("Pelmark Help"));
  setAttribute(Qt::WA_DeleteOnClose, false);
  browser_->setObjectName(QStringLiteral("HelpBrowser"));
  browser_->setOpenExternalLinks(true);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(browser_);
  resize(640, 480);
  connect(browser_, &QTextBrowser::sourceChanged, this, [this](const QUrl&) {
    const QString title = browser_->documentTitle();
    setWindowTitle(title.isEmpty() ? QStringLiteral("Pelmark Help") : title);
  });
}

bool HelpViewer::showPage(const QString& path) {
  if (!QFileInfo(path).isFile()) return false;
  browser_->setSource(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()));
  return true;
}

QString HelpViewer::currentPage() const { return browser_->source().toLocalFile(); }

void HelpViewer::ShowOnScreen() {
  const QScreen* screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
  if (screen) {
    const QRect room = screen->availableGeometry();
    if (!placed_) {
      resize(std::min(width(), room.width()), std::min(height(), room.height()));
      move(room.center() - rect().center());
      placed_ = true;
    }
    // Within the screen, as far as it fits.
    move(std::clamp(x(), room.left(), std::max(room.left(), room.right() + 1 - frameGeometry().width())),
         std::clamp(y(), room.top(), std::max(room.top(), room.bottom() + 1 - frameGeometry().height())));
  }
  show();
  raise();
  activateWindow();
}

bool HelpViewer::eventFilter(QObject* watched, QEvent* event) {
  // The modal window it belonged to closes: the help stays on screen.
  if (event->type() == QEvent::Hide && watched == parentWidget() && !isHidden()) {
    watched->removeEventFilter(this);
    const QPoint at = pos();
    setParent(nullptr, Qt::Window);
    move(at);
    show();
  }
  return QWidget::eventFilter(watched, event);
}

QtHelpService::~QtHelpService() { delete viewer_; }

bool QtHelpService::showPage(const QString& path) {
  if (!viewer_) viewer_ = new HelpViewer;
  // A modal window (the About box) blocks every window but its own: the
  // help it asks for belongs to it, and stays when it closes.
  QWidget* modal = QApplication::activeModalWidget();
  if (modal && modal != viewer_->parentWidget()) {
    viewer_->setParent(modal, Qt::Window);
    modal->installEventFilter(viewer_);
  }
  if (!viewer_->showPage(path)) return false;
  viewer_->ShowOnScreen();
  return true;
}

void QtHelpService::closeViewer() {
  if (viewer_) viewer_->close();
}

}  // namespace pm
