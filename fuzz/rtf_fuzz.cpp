#include "fuzzsupport.h"
#include "platform/rtfreader.h"

#include <QByteArray>
#include <QTextDocument>

#include <cstddef>
#include <cstdint>

// Any bytes, RTF or not, load into a document and lay out: never a crash
// or a hang. Inputs that do not begin "{\rtf" are given that start too, so
// the fuzzer spends its time in the RTF reader.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  pm::fuzz::EnsureApplication();
  QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  if (!bytes.startsWith("{\\rtf")) bytes.prepend("{\\rtf1 ");
  QTextDocument doc;
  pm::ReadRichText(bytes, &doc);
  doc.setTextWidth(400);
  (void)doc.size();
  return 0;
}
