#include "common/settings.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

// Any bytes as a settings file: the lenient reader never fails, and what it
// read always writes back and reads again the same.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  pm::DefaultSettingsRecord settings;
  pm::LinkBitmapNames bitmaps;
  pm::DecodeSettings(bytes, &settings, &bitmaps);
  QByteArray written;
  if (!pm::EncodeSettings(settings, bitmaps, &written)) std::abort();
  if (written.size() != pm::kSettingsFileSize) std::abort();
  pm::DefaultSettingsRecord again;
  pm::LinkBitmapNames againBitmaps;
  pm::DecodeSettings(written, &again, &againBitmaps);
  if (!(again == settings) || !(againBitmaps == bitmaps)) std::abort();
  return 0;
}
