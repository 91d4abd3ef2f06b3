#include "shell/ui/about.h"

#include "common/ui/dialoglook.h"
#include "platform/help.h"
#include "shell/startup.h"
#include "shell/ui/aboutpicture.h"
#include "shell/ui/windowhelpers.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace pm {

// No title bar: window managers that draw their own buttons whatever the
// window asks for would offer buttons that do nothing here. A thin line of
// its own frames it instead.
TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
  setObjectName(QStringLiteral("AboutBox"));
  setWindowTitle(QStringLiteral("About Pelmark"));
  SetHelpContext(this, 1);
  setFixedSize(834, 448);
  QPalette white = palette();
  white.setColor(QPalette::Window, Qt::white);
  setPalette(white);
  setAutoFillBackground(true);
  auto* frame = new QFrame(this);
  frame->setObjectName(QStringLiteral("AboutFrame"));
  frame->setFrameStyle(QFrame::Box | QFrame::Plain);
  frame->setGeometry(rect());

  Image1 = new AboutPicture(this);
  Image1->setGeometry(rect().adjusted(1, 1, -1, -1));

  Version = new QLabel(QStringLiteral("Ver. ") + QLatin1String(VersionText), this);
  Version->setObjectName(QStringLiteral("Version"));
  QFont versionFont(QStringLiteral("Arial"));
  versionFont.setPixelSize(16);
  versionFont.setBold(true);
  Version->setFont(versionFont);
  Version->hide();

  OKButton = new QPushButton(QStringLiteral("OK"), this);
  OKButton->setObjectName(QStringLiteral("OKButton"));
  OKButton->setDefault(true);
  OKButton->setGeometry(834 - 2 * 88 - 16, 448 - 38, 80, 26);
  Info = new QPushButton(InfoGlyph(), QStringLiteral("Info"), this);
  Info->setObjectName(QStringLiteral("Info"));
  Info->setAutoDefault(false);
  Info->setGeometry(834 - 88 - 8, 448 - 38, 80, 26);
  setFocusProxy(OKButton);

  connect(OKButton, &QPushButton::clicked, this, [this] {
    closing_ = true;
    accept();
    closing_ = false;
  });
  connect(Info, &QPushButton::clicked, this, &TAboutBox::InfoClick);
  FormCreate();
}

void TAboutBox::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  CentreOnScreen(this);
  OKButton->setFocus();
}

void TAboutBox::InfoClick() { HtmlHelpTopic(); }

void TAboutBox::reject() {
  // No border icons: Escape does not close the box.
}

void TAboutBox::closeEvent(QCloseEvent* event) {
  if (closing_) {
    QDialog::closeEvent(event);
  } else {
    event->ignore();
  }
}

}  // namespace pm
