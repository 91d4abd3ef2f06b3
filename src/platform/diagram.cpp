#include "platform/diagram.h"

#include <QBuffer>
#include <QImageReader>
#include <QPainter>
#include <QSvgRenderer>

#include <algorithm>
#include <cmath>

extern "C" {
#include <libwmf/api.h>
#include <libwmf/svg.h>
}

namespace pm {

namespace {

// An engine's diagram is a few kilobytes; anything past these is refused
// rather than handed to the converter or drawn.
constexpr qsizetype kMaxWmfBytes = 16 * 1024 * 1024;
constexpr unsigned long kMaxSvgBytes = 64ul * 1024 * 1024;
constexpr int kMaxSide = 8000;

// libwmf's handle, destroyed on every way out.
class WmfApi {
 public:
  WmfApi() {
    wmfAPI_Options options{};
    options.function = wmf_svg_function;
    const unsigned long flags =
        WMF_OPT_FUNCTION | WMF_OPT_IGNORE_NONFATAL | WMF_OPT_NO_ERROR | WMF_OPT_NO_DEBUG;
    if (wmf_api_create(&api_, flags, &options) != wmf_E_None) api_ = nullptr;
  }
  ~WmfApi() {
    if (!api_) return;
    if (open_) wmf_mem_close(api_);
    wmf_api_destroy(api_);
  }
  WmfApi(const WmfApi&) = delete;
  WmfApi& operator=(const WmfApi&) = delete;
  wmfAPI* get() const { return api_; }
  void SetOpen() { open_ = true; }

 private:
  wmfAPI* api_ = nullptr;
  bool open_ = false;
};

}  // namespace

bool WmfToSvg(const QByteArray& wmf, QByteArray* svg) {
  if (wmf.isEmpty() || wmf.size() > kMaxWmfBytes) return false;
  QByteArray data = wmf;  // libwmf reads through a non-const pointer
  WmfApi api;
  if (!api.get()) return false;
  wmfAPI* API = api.get();
  if (wmf_mem_open(API, reinterpret_cast<unsigned char*>(data.data()), static_cast<long>(data.size())) !=
      wmf_E_None)
    return false;
  api.SetOpen();
  wmfD_Rect bbox{};
  if (wmf_scan(API, 0, &bbox) != wmf_E_None) return false;
  unsigned int width = 0;
  unsigned int height = 0;
  if (wmf_display_size(API, &width, &height, 72, 72) != wmf_E_None) return false;
  if (width == 0 || height == 0 || width > kMaxSide || height > kMaxSide) return false;
  wmf_svg_t* device = WMF_SVG_GetData(API);
  device->out = wmf_stream_create(API, nullptr);
  if (!device->out) return false;
  device->Description = const_cast<char*>("diagram");
  device->bbox = bbox;
  device->width = width;
  device->height = height;
  const wmf_error_t played = wmf_play(API, 0, &bbox);
  char* buffer = nullptr;
  unsigned long length = 0;
  wmf_stream_destroy(API, device->out, &buffer, &length);
  device->out = nullptr;
  const bool ok = played == wmf_E_None && buffer && length > 0 && length <= kMaxSvgBytes;
  if (ok) *svg = QByteArray(buffer, static_cast<qsizetype>(length));
  if (buffer) wmf_free(API, buffer);
  return ok;
}

QImage DecodeDiagram(const QByteArray& bytes, bool wmf) {
  if (!wmf) {
    QBuffer buffer;
    buffer.setData(bytes);
    QImageReader reader(&buffer);
    const QSize size = reader.size();
    if (size.isValid() && (size.width() > kMaxSide || size.height() > kMaxSide)) return QImage();
    return reader.read();
  }
  QByteArray svg;
  if (!WmfToSvg(bytes, &svg)) return QImage();
  QSvgRenderer renderer(svg);
  if (!renderer.isValid()) return QImage();
  QSize size = renderer.defaultSize();
  if (size.isEmpty()) return QImage();
  size = size.boundedTo(QSize(kMaxSide, kMaxSide));
  QImage image(size, QImage::Format_RGB32);
  if (image.isNull()) return QImage();
  image.fill(Qt::white);
  QPainter painter(&image);
  renderer.render(&painter);
  painter.end();
  return image;
}

}  // namespace pm
