#include "shell/projectindex.h"

#include "common/lib1.h"
#include "platform/cp1252.h"
#include "platform/pathresolver.h"
#include "platform/textfile.h"

#include <QFileInfo>

#include <algorithm>

namespace pm {

namespace {

bool IsBlank(QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); }

qsizetype SkipBlanks(const QString& s, qsizetype i) {
  while (i < s.size() && IsBlank(s.at(i))) ++i;
  return i;
}

qsizetype EndOfWord(const QString& s, qsizetype i) {
  while (i < s.size() && !IsBlank(s.at(i))) ++i;
  return i;
}

QString Trimmed(const QString& s) {
  const qsizetype begin = SkipBlanks(s, 0);
  qsizetype end = s.size();
  while (end > begin && IsBlank(s.at(end - 1))) --end;
  return s.mid(begin, end - begin);
}

}  // namespace

myObject SplitIndexDataLine(const QString& line) {
  QString s = line;
  s.replace(QLatin1Char(','), QLatin1Char(' '));
  myObject object;
  const qsizetype deckStart = SkipBlanks(s, 0);
  const qsizetype deckEnd = EndOfWord(s, deckStart);
  object.Deck = s.mid(deckStart, deckEnd - deckStart);
  const qsizetype pictureStart = SkipBlanks(s, deckEnd);
  const qsizetype pictureEnd = EndOfWord(s, pictureStart);
  object.Picture = s.mid(pictureStart, pictureEnd - pictureStart);
  object.Help = Trimmed(s.mid(pictureEnd));
  return object;
}

ProjectIndex ParseProjectIndex(const std::vector<std::string>& lines) {
  ProjectIndex index;
  const size_t titles = std::min<size_t>(3, lines.size());
  for (size_t i = 0; i < titles; ++i) index.Titles[i] = FromCp1252(lines[i]);
  for (size_t i = 3; i < lines.size(); i += 2) {
    ProjectIndexEntry entry;
    entry.Text = FromCp1252(lines[i]);
    if (i + 1 < lines.size()) entry.Object = SplitIndexDataLine(FromCp1252(lines[i + 1]));
    index.Entries.push_back(std::move(entry));
  }
  return index;
}

ProjectIndex ReadProjectIndex(const QString& indexFile) {
  std::vector<std::string> lines;
  if (indexFile.isEmpty() || ReadTextLines(ResolveUnquoted(indexFile), &lines) != 0) return {};
  return ParseProjectIndex(lines);
}

QString ResolveIndexName(const QString& name, const QString& indexFile) {
  const QString clean = CleanPathText(StripQuotes(name));
  if (clean.isEmpty()) return {};
  if (clean.startsWith(QLatin1Char('/'))) return ResolvePath(clean);
  const QString folder = QFileInfo(ResolveUnquoted(indexFile)).absolutePath();
  return ResolvePath(folder + QLatin1Char('/') + clean);
}

}  // namespace pm
