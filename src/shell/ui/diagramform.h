#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QWidget>

class QLabel;
class QMdiSubWindow;
class QScrollArea;

namespace pm {

// A diagram picture (BMP, or WMF drawn through SVG) in a scroll box; kind
// 8000.
class TDiagramForm final : public QWidget {
  Q_OBJECT

 public:
  explicit TDiagramForm(QWidget* parent = nullptr);

  // Loads the picture of Name. A file that cannot be read or drawn gets
  // "The diagram <Name> could not be drawn." (kind 0) and false.
  bool Load(const QString& Name);

  const QString& FileName() const { return fileName_; }
  const QImage& Picture() const { return picture_; }
  // The file as it was read: Save as writes it in its own format.
  const QByteArray& Bytes() const { return bytes_; }
  QScrollArea* ScrollBox() const { return scrollBox_; }
  QLabel* Image() const { return image_; }
  QMdiSubWindow* SubWindow() const;

 private:
  QScrollArea* scrollBox_;
  QLabel* image_;
  QImage picture_;
  QByteArray bytes_;
  QString fileName_;
};

}  // namespace pm
