#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QString>

#include <gtest/gtest.h>

namespace pm::test {

// Writes a file for a test, making its folder first; an existing file is
// replaced.
inline void WriteBytes(const QString& path, const QByteArray& bytes) {
  QDir().mkpath(QFileInfo(path).absolutePath());
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
  ASSERT_EQ(f.write(bytes), bytes.size()) << path.toStdString();
}

// The same with the permissions given (ExeOwner for a program).
inline void WriteBytes(const QString& path, const QByteArray& bytes, QFile::Permissions permissions) {
  WriteBytes(path, bytes);
  ASSERT_TRUE(QFile::setPermissions(path, permissions)) << path.toStdString();
}

// A file's bytes; empty when it cannot be read.
inline QByteArray ReadBytes(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The bytes of a Windows bitmap of one colour.
inline QByteArray BitmapBytes(int width, int height, const QColor& color = Qt::red) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(color);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "BMP");
  return bytes;
}

}  // namespace pm::test
