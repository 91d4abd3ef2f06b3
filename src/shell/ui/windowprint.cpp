// The print routines of the viewer and the diagram window.
#include "common/printstate.h"
#include "platform/diagram.h"
#include "platform/pathresolver.h"
#include "shell/printdocument.h"
#include "shell/ui/diagramform.h"
#include "shell/ui/viewform.h"

#include <QPainter>
#include <QSvgRenderer>

#include <cmath>

namespace pm {

void TViewForm::Print() { PrintRichText(bytes_); }

void TDiagramForm::Print() {
  PrintState& s = PS();
  if (!s.Printing || !s.Canvas || picture_.isNull()) return;
  const double scale = s.PrinterPPI / 96.0;
  QSize size(static_cast<int>(std::lround(picture_.width() * scale)),
             static_cast<int>(std::lround(picture_.height() * scale)));
  // A picture larger than a page is made to fit, keeping its shape.
  const QSize box(s.PageWidth - 2 * s.PrintLeft, s.PageHeight - 2 * s.PrintMargin - s.PrintLineHeight);
  if (box.isValid() && (size.width() > box.width() || size.height() > box.height())) {
    size = size.scaled(box, Qt::KeepAspectRatio);
  }
  if (s.CurrentY + size.height() > s.PageHeight - s.PrintMargin) ForcePageBreak();
  const QRect target(s.PrintLeft, s.CurrentY, size.width(), size.height());
  DrawOnPage();
  QPainter& p = *s.Canvas;
  QByteArray svg;
  if (ExtensionKey(fileName_) == QLatin1String(".WMF") && WmfToSvg(bytes_, &svg)) {
    QSvgRenderer renderer(svg);
    renderer.render(&p, target);
  } else {
    p.save();
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(target, picture_);
    p.restore();
  }
  CheckPageBreak(size.height());
}

}  // namespace pm
