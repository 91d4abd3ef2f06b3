#include "shell/ui/diagramform.h"

#include <QLabel>
#include <QMdiSubWindow>
#include <QPixmap>
#include <QScrollArea>
#include <QVBoxLayout>

#include "common/globals.h"
#include "common/lib1.h"
#include "platform/diagram.h"
#include "platform/pathresolver.h"
#include "platform/textfile.h"

namespace pm {

TDiagramForm::TDiagramForm(QWidget* parent)
    : QWidget(parent), scrollBox_(new QScrollArea(this)), image_(new QLabel) {
  setObjectName(QStringLiteral("DiagramForm"));
  setWindowTitle(QStringLiteral("Diagram"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  scrollBox_->setObjectName(QStringLiteral("ScrollBox"));
  image_->setObjectName(QStringLiteral("Image"));
  image_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  scrollBox_->setWidget(image_);
  scrollBox_->setWidgetResizable(false);
  layout->addWidget(scrollBox_);
  SetChildKind(this, KindDiagram);
}

bool TDiagramForm::Load(const QString& Name) {
  QByteArray bytes;
  const bool wmf = ExtensionKey(Name) == QLatin1String(".WMF");
  if (ReadFileBytes(ResolveUnquoted(Name), &bytes) == 0) picture_ = DecodeDiagram(bytes, wmf);
  if (picture_.isNull()) {
    ShowMessageKind(QStringLiteral("The diagram ") + StripQuotes(Name) + QStringLiteral(" could not be drawn."), 0,
                    true);
    return false;
  }
  fileName_ = Name;
  bytes_ = bytes;
  setWindowTitle(ResolveUnquoted(Name));  // the file read, as the resolver found it
  setWindowFilePath(Name);
  image_->setPixmap(QPixmap::fromImage(picture_));
  image_->resize(picture_.size());
  return true;
}

QMdiSubWindow* TDiagramForm::SubWindow() const { return qobject_cast<QMdiSubWindow*>(parentWidget()); }

}  // namespace pm
