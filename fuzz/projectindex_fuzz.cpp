#include "fuzzsupport.h"

#include "common/lib1.h"
#include "platform/pathresolver.h"
#include "platform/textfile.h"
#include "shell/projectindex.h"

#include <QDir>
#include <QFile>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

bool IsBlank(QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); }

bool HasBlankOrComma(const QString& s) {
  return s.contains(QLatin1Char(' ')) || s.contains(QLatin1Char('\t')) || s.contains(QLatin1Char(','));
}

}  // namespace

// A project index of any content: the titles, the pairs, the split of each
// data line, and each name resolved from the index's folder in a small
// scratch tree (nothing is written there but the index itself).
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const QString index = [] {
    const QString project = pm::fuzz::ScratchFolder() + QStringLiteral("/Project");
    QDir(project).mkpath(QStringLiteral("Sub/Pics"));
    for (const char* name : {"/Sub/a.pzd", "/Sub/Pics/Plant.bmp", "/help.chm"}) {
      QFile f(project + QLatin1String(name));
      (void)f.open(QIODevice::WriteOnly);
    }
    return project + QStringLiteral("/project.idx");
  }();
  const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  {
    // Written plainly: the atomic writer's sync would be most of the time.
    QFile file(index);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size()) return 0;
  }
  const pm::ProjectIndex read = pm::ReadProjectIndex(index);
  const size_t lines = pm::SplitLines(bytes).size();
  const size_t pairs = lines > 3 ? (lines - 3 + 1) / 2 : 0;
  if (read.Entries.size() != pairs) std::abort();
  // Names are resolved for the first entries only: each one may list
  // folders, and the resolver has a target of its own.
  size_t resolved = 0;
  for (const pm::ProjectIndexEntry& entry : read.Entries) {
    const pm::myObject& o = entry.Object;
    if (HasBlankOrComma(o.Deck) || HasBlankOrComma(o.Picture) || o.Help.contains(QLatin1Char(','))) std::abort();
    if (!o.Help.isEmpty() && (IsBlank(o.Help.front()) || IsBlank(o.Help.back()))) std::abort();
    if (o.Deck.isEmpty() && (!o.Picture.isEmpty() || !o.Help.isEmpty())) std::abort();
    if (++resolved > 8) continue;
    for (const QString* name : {&o.Deck, &o.Picture, &o.Help}) {
      // A name that is more than quotes and a drive letter names a path.
      const bool named = !pm::CleanPathText(pm::StripQuotes(*name)).isEmpty();
      if (pm::ResolveIndexName(*name, index).isEmpty() == named) std::abort();
    }
  }
  return 0;
}
