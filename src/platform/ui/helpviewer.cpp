#include "platform/ui/helpviewer.h"

#include <QFileInfo>
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

QtHelpService::~QtHelpService() { delete viewer_; }

bool QtHelpService::showPage(const QString& path) {
  if (!viewer_) viewer_ = new HelpViewer;
  if (!viewer_->showPage(path)) return false;
  viewer_->show();
  viewer_->raise();
  viewer_->activateWindow();
  return true;
}

void QtHelpService::closeViewer() {
  if (viewer_) viewer_->close();
}

}  // namespace pm
