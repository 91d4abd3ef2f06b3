#include "shell/ui/printprogress.h"

#include "common/ui/dialoglook.h"
#include "shell/ui/compiling.h"
#include "shell/ui/windowhelpers.h"

#include <QLabel>

namespace pm {

TPrintProgress::TPrintProgress(QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint) {
  setObjectName(QStringLiteral("PrintProgress"));
  setWindowTitle(QStringLiteral("Please wait"));
  SetHelpContext(this, 45);
  setFixedSize(197, 47);
  ProgressL = new QLabel(QStringLiteral("Printing in progress... "), this);
  ProgressL->setObjectName(QStringLiteral("ProgressL"));
  ProgressL->setFont(DialogFont(false));
  ProgressL->setGeometry(0, 0, 197, 47);
  ProgressL->setAlignment(Qt::AlignCenter);
}

void TPrintProgress::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  CentreOnScreen(this);
}

}  // namespace pm
