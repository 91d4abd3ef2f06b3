#include "platform/openaction.h"
#include "platform/ui/qtuiservice.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  pm::QtUiService service;
  pm::setUi(&service);
  pm::DesktopOpenAction openAction;
  pm::setOpenAction(&openAction);
  QLabel label(QStringLiteral("Pelmark"));
  label.show();
  return app.exec();
}
