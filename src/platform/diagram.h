#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace pm {

// A diagram picture read from its file's bytes: WMF is converted to SVG by
// libwmf and drawn by Qt SVG; BMP (and anything else QImage knows) is read
// by QImage. A null image means the file could not be drawn.
QImage DecodeDiagram(const QByteArray& bytes, bool wmf);

// The WMF conversion alone; false when libwmf refused the file or the
// file is larger than a diagram can reasonably be.
bool WmfToSvg(const QByteArray& wmf, QByteArray* svg);

}  // namespace pm
