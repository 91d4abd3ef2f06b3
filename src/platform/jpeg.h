#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace pm {

// A decoded JPEG picture, or the reason it could not be read. A damaged
// file never ends the program: libjpeg's errors come back as text here.
struct JpegResult {
  QImage image;   // null on failure
  QString error;  // empty on success
  bool ok() const { return !image.isNull(); }
};

JpegResult DecodeJpeg(const QByteArray& bytes);
JpegResult DecodeJpegFile(const QString& fileName);

}  // namespace pm
