#include "fuzzsupport.h"
#include "platform/diagram.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>

// A damaged metafile or bitmap gives no picture, never a crash or a hang.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  pm::fuzz::EnsureApplication();
  const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  (void)pm::DecodeDiagram(bytes, true);
  return 0;
}
