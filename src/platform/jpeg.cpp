#include "platform/jpeg.h"

#include "platform/pathresolver.h"

#include <QFile>

#include <csetjmp>
#include <cstdio>
#include <cstring>

#include <jerror.h>
#include <jpeglib.h>

namespace pm {

namespace {

// A header can claim up to 65500 x 65500 pixels; like Qt's own image
// reader, refuse pictures above 256 MiB instead of exhausting memory.
constexpr unsigned long long kMaxImageBytes = 256ULL << 20;

// libjpeg reports a fatal error by calling error_exit, which must not
// return; ours jumps back to the decoder with the message kept.
struct ErrorManager {
  jpeg_error_mgr pub;
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
};

void OnError(j_common_ptr cinfo) {
  auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
  (*cinfo->err->format_message)(cinfo, err->message);
  std::longjmp(err->jump, 1);
}

// Warnings about slightly damaged data are common in pictures that show
// well; only a file that stops early counts as damaged.
void OnMessage(j_common_ptr cinfo, int level) {
  if (level >= 0) return;  // trace output
  if (cinfo->err->msg_code == JWRN_JPEG_EOF) (*cinfo->err->error_exit)(cinfo);
  ++cinfo->err->num_warnings;
}

void ConvertCmykRow(const JSAMPLE* in, uchar* out, JDIMENSION width, bool inverted) {
  for (JDIMENSION x = 0; x < width; ++x, in += 4, out += 3) {
    int c = in[0], m = in[1], y = in[2], k = in[3];
    if (!inverted) {
      c = 255 - c;
      m = 255 - m;
      y = 255 - y;
      k = 255 - k;
    }
    out[0] = static_cast<uchar>(c * k / 255);
    out[1] = static_cast<uchar>(m * k / 255);
    out[2] = static_cast<uchar>(y * k / 255);
  }
}

// Everything that may call error_exit after the jump point. Kept out of the
// function that calls setjmp, so no local of that frame changes after it.
[[gnu::noinline]] void DecodeSteps(jpeg_decompress_struct* cinfo, const QByteArray& bytes, QImage* image) {
  jpeg_create_decompress(cinfo);
  jpeg_mem_src(cinfo, reinterpret_cast<const unsigned char*>(bytes.constData()),
                static_cast<unsigned long>(bytes.size()));
  jpeg_read_header(cinfo, TRUE);
  const bool cmyk = cinfo->jpeg_color_space == JCS_CMYK || cinfo->jpeg_color_space == JCS_YCCK;
  cinfo->out_color_space = cmyk ? JCS_CMYK : JCS_RGB;
  jpeg_start_decompress(cinfo);
  const unsigned long long bytesNeeded = 3ULL * cinfo->output_width * cinfo->output_height;
  if (bytesNeeded <= kMaxImageBytes)
    *image = QImage(static_cast<int>(cinfo->output_width), static_cast<int>(cinfo->output_height),
                    QImage::Format_RGB888);
  if (image->isNull()) {
    std::snprintf(reinterpret_cast<ErrorManager*>(cinfo->err)->message, JMSG_LENGTH_MAX,
                  "The picture is too large (%u x %u pixels)", cinfo->output_width, cinfo->output_height);
    std::longjmp(reinterpret_cast<ErrorManager*>(cinfo->err)->jump, 1);
  }
  JSAMPARRAY cmykRow =
      cmyk ? (*cinfo->mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(cinfo), JPOOL_IMAGE,
                                         cinfo->output_width * 4, 1)
           : nullptr;
  while (cinfo->output_scanline < cinfo->output_height) {
    uchar* line = image->scanLine(static_cast<int>(cinfo->output_scanline));
    if (cmyk) {
      jpeg_read_scanlines(cinfo, cmykRow, 1);
      ConvertCmykRow(cmykRow[0], line, cinfo->output_width, cinfo->saw_Adobe_marker);
    } else {
      JSAMPROW row = line;
      jpeg_read_scanlines(cinfo, &row, 1);
    }
  }
  jpeg_finish_decompress(cinfo);
}

bool Decode(jpeg_decompress_struct* cinfo, ErrorManager* err, const QByteArray& bytes, QImage* image) {
  if (setjmp(err->jump)) return false;
  DecodeSteps(cinfo, bytes, image);
  return true;
}

}  // namespace

JpegResult DecodeJpeg(const QByteArray& bytes) {
  JpegResult result;
  jpeg_decompress_struct cinfo;
  std::memset(&cinfo, 0, sizeof cinfo);
  ErrorManager err;
  std::memset(&err, 0, sizeof err);
  cinfo.err = jpeg_std_error(&err.pub);
  err.pub.error_exit = OnError;
  err.pub.emit_message = OnMessage;
  if (bytes.isEmpty()) {
    result.error = QStringLiteral("The file is empty");
    return result;
  }
  if (!Decode(&cinfo, &err, bytes, &result.image)) {
    result.image = QImage();
    result.error = QString::fromLatin1(err.message);
  }
  jpeg_destroy_decompress(&cinfo);
  return result;
}

JpegResult DecodeJpegFile(const QString& fileName) {
  QFile file(ResolvePath(fileName));
  if (!file.open(QIODevice::ReadOnly)) {
    JpegResult result;
    result.error = file.errorString();
    return result;
  }
  return DecodeJpeg(file.readAll());
}

}  // namespace pm
