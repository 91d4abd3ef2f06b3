#include "fuzzsupport.h"

#include "common/lib1.h"
#include "platform/cp1252.h"
#include "platform/pathresolver.h"

#include <QDir>
#include <QFile>

#include <cstddef>
#include <cstdint>
#include <string_view>

// Names as decks write them, resolved inside a small scratch tree.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const QString root = [] {
    const QString r = pm::fuzz::ScratchFolder();
    QDir(r).mkpath(QStringLiteral("Data/Sub"));
    QFile f(r + QStringLiteral("/Data/Sub/Pumps.lst"));
    (void)f.open(QIODevice::WriteOnly);
    return r;
  }();
  // Relative names are taken inside the scratch tree; the current folder is
  // left alone because libFuzzer reads its corpus by relative paths.
  QString name = pm::FromCp1252(std::string_view(reinterpret_cast<const char*>(data), size));
  if (!name.startsWith(QLatin1Char('/')) && !name.startsWith(QLatin1Char('"'))) name.prepend(root + QLatin1Char('/'));
  const QString resolved = pm::ResolvePath(name);
  (void)resolved;
  (void)pm::ExtensionKey(name);
  (void)pm::FileExistsUnquoted(name);
  (void)pm::StripQuotes(name);
  return 0;
}
