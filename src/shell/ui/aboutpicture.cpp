#include "shell/ui/aboutpicture.h"

#include <QFont>
#include <QIcon>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace pm {

AboutPicture::AboutPicture(QWidget* parent) : QWidget(parent) { setObjectName(QStringLiteral("Image1")); }

void AboutPicture::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF r = rect();

  QLinearGradient ground(r.topLeft(), r.topRight());
  ground.setColorAt(0.0, QColor(0xF4, 0xE3, 0xD0));
  ground.setColorAt(1.0, QColor(0xD6, 0xE8, 0xF5));
  p.fillRect(r, ground);

  // Supply (warm) and return (cool) loops between two plant blocks.
  const qreal w = r.width();
  const qreal h = r.height();
  const QRectF plantA(w * 0.10, h * 0.52, w * 0.16, h * 0.26);
  const QRectF plantB(w * 0.74, h * 0.52, w * 0.16, h * 0.26);
  p.setPen(QPen(QColor(0x40, 0x40, 0x48), 2));
  p.setBrush(QColor(0xFF, 0xFF, 0xFF, 0xC0));
  p.drawRoundedRect(plantA, 8, 8);
  p.drawRoundedRect(plantB, 8, 8);
  p.setBrush(Qt::NoBrush);
  for (int i = 0; i < 2; ++i) {
    const qreal y0 = plantA.top() + plantA.height() * (i == 0 ? 0.3 : 0.7);
    QPainterPath loop;
    loop.moveTo(plantA.right(), y0);
    loop.cubicTo(w * 0.40, y0 - h * (i == 0 ? 0.25 : -0.12), w * 0.60, y0 - h * (i == 0 ? 0.25 : -0.12),
                 plantB.left(), y0);
    p.setPen(QPen(i == 0 ? QColor(0xC8, 0x50, 0x30) : QColor(0x30, 0x70, 0xC0), 6, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(loop);
  }

  QFont title(QStringLiteral("Arial"));
  title.setPixelSize(qMax(12, static_cast<int>(h * 0.16)));
  title.setBold(true);
  p.setFont(title);
  p.setPen(QColor(0x20, 0x30, 0x50));
  p.drawText(QRectF(0, h * 0.08, w, h * 0.22), Qt::AlignCenter, QStringLiteral("Pelmark"));
  QFont sub(QStringLiteral("Arial"));
  sub.setPixelSize(qMax(9, static_cast<int>(h * 0.045)));
  p.setFont(sub);
  p.drawText(QRectF(0, h * 0.30, w, h * 0.08), Qt::AlignCenter,
             QStringLiteral("Heating and cooling plant simulation"));
}

QIcon InfoGlyph() {
  QPixmap pixmap(16, 16);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x20, 0x60, 0xC0));
  p.drawEllipse(QRectF(0.5, 0.5, 15, 15));
  p.setBrush(Qt::white);
  p.drawEllipse(QRectF(6.8, 3, 2.4, 2.4));
  p.drawRect(QRectF(6.9, 6.5, 2.2, 6.5));
  return QIcon(pixmap);
}

}  // namespace pm
