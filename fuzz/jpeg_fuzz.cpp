#include "platform/jpeg.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>

// A damaged picture gives an error result, never a crash or an exit.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data),
                                                   static_cast<qsizetype>(size));
  (void)pm::DecodeJpeg(bytes);
  return 0;
}
