// drawplant [--small] FILE.bmp (or FILE.jpg)
// Draws the demo deck's plant diagram: the ground loop, the pumps, the heat
// pump and the cooling tower joined by pipes. Its image map
// (examples/demo/plant.map) names the same rectangles as kBoxes below.
// --small draws a 48 x 32 test picture instead.
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>

namespace {

struct Box {
  QRect rect;
  const char* caption;
  QColor fill;
};

// Pixel rectangles; plant.map repeats them as COORDS x1,y1,x2,y2.
const Box kBoxes[] = {
    {QRect(10, 30, 90, 80), "Ground loop", QColor(214, 232, 200)},
    {QRect(120, 30, 70, 80), "Pumps", QColor(200, 220, 240)},
    {QRect(210, 30, 80, 80), "Heat pump", QColor(245, 214, 196)},
    {QRect(310, 30, 80, 80), "Cooling", QColor(220, 214, 240)},
};

const QColor kBackground(255, 255, 255);  // the bottom-left pixel: shown through
const QColor kPipe(40, 70, 120);

void DrawSymbols(QPainter& p) {
  p.setPen(QPen(kPipe, 2));
  p.setBrush(Qt::NoBrush);
  // Ground loop: a coil going down into the ground.
  QPainterPath coil;
  coil.moveTo(22, 55);
  for (int i = 0; i < 6; ++i) {
    const int x = 22 + i * 11;
    coil.lineTo(x, i % 2 ? 55 : 95);
    if (i < 5) coil.lineTo(x + 11, i % 2 ? 55 : 95);
  }
  p.drawPath(coil);
  // Pumps: a circle with its impeller triangle.
  p.drawEllipse(QPoint(155, 75), 20, 20);
  p.drawPolygon(QPolygon({QPoint(145, 88), QPoint(145, 62), QPoint(170, 75)}));
  // Heat pump: compressor box with a zig-zag coil.
  p.drawRect(225, 55, 50, 40);
  QPainterPath zig;
  zig.moveTo(230, 75);
  for (int i = 0; i < 5; ++i) zig.lineTo(235 + i * 8, i % 2 ? 85 : 65);
  p.drawPath(zig);
  // Cooling tower: a waisted shell with a fan.
  QPainterPath tower;
  tower.moveTo(330, 100);
  tower.quadTo(345, 75, 335, 55);
  tower.lineTo(365, 55);
  tower.quadTo(355, 75, 370, 100);
  tower.closeSubpath();
  p.drawPath(tower);
  p.drawLine(340, 52, 360, 52);
}

QImage Diagram() {
  QImage image(400, 120, QImage::Format_RGB32);
  image.fill(kBackground);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing, false);
  QFont title;
  title.setFamily(QStringLiteral("DejaVu Sans"));
  title.setPixelSize(12);
  title.setBold(true);
  p.setFont(title);
  p.setPen(kPipe);
  p.drawText(QRect(0, 4, 400, 20), Qt::AlignCenter, QStringLiteral("Plant: click a part to edit it"));
  // Supply and return pipes behind the boxes.
  p.setPen(QPen(QColor(190, 40, 40), 3));
  p.drawLine(50, 40, 350, 40);
  p.setPen(QPen(QColor(40, 90, 190), 3));
  p.drawLine(50, 100, 350, 100);
  QFont caption = title;
  caption.setBold(false);
  caption.setPixelSize(11);
  p.setFont(caption);
  for (const Box& b : kBoxes) {
    p.setPen(QPen(kPipe, 1));
    p.setBrush(b.fill);
    p.drawRect(b.rect.adjusted(0, 0, -1, -1));
    p.setPen(Qt::black);
    p.drawText(b.rect.adjusted(0, 3, 0, 0), Qt::AlignHCenter | Qt::AlignTop, QString::fromLatin1(b.caption));
  }
  DrawSymbols(p);
  return image;
}

QImage Small() {
  QImage image(48, 32, QImage::Format_RGB32);
  image.fill(kBackground);
  QPainter p(&image);
  p.setPen(QPen(kPipe, 2));
  p.setBrush(QColor(200, 220, 240));
  p.drawRect(6, 6, 20, 20);
  p.drawEllipse(QPoint(36, 16), 8, 8);
  p.drawLine(26, 16, 28, 16);
  return image;
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const bool small = argc == 3 && QByteArray(argv[1]) == "--small";
  if (argc != 2 && !small) {
    std::fputs("usage: drawplant [--small] FILE.bmp|FILE.jpg\n", stderr);
    return 2;
  }
  const QImage image = small ? Small() : Diagram();
  // The format follows the extension (.bmp, .jpg).
  if (!image.save(QString::fromLocal8Bit(argv[argc - 1]))) {
    std::fprintf(stderr, "drawplant: cannot write %s\n", argv[argc - 1]);
    return 1;
  }
  return 0;
}
