#pragma once

#include "platform/help.h"

#include <QPointer>
#include <QWidget>

class QTextBrowser;

namespace pm {

// The in-program help window: one browser over the pages of the help folder.
class HelpViewer final : public QWidget {
  Q_OBJECT

 public:
  explicit HelpViewer(QWidget* parent = nullptr);
  bool showPage(const QString& path);
  QString currentPage() const;
  // Shows it in front, centred on the screen the first time and always
  // inside it.
  void ShowOnScreen();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QTextBrowser* browser_;
  bool placed_ = false;
};

// The real help service: shows pages in one HelpViewer, made on first use.
class QtHelpService final : public HelpService {
 public:
  ~QtHelpService() override;
  bool showPage(const QString& path) override;
  void closeViewer() override;
  HelpViewer* viewer() const { return viewer_; }

 private:
  QPointer<HelpViewer> viewer_;
};

}  // namespace pm
