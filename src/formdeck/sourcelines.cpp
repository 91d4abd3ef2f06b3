#include "formdeck/sourcelines.h"

#include "common/lib1.h"
#include "platform/cp1252.h"
#include "platform/textfile.h"

#include <cerrno>

namespace pm {

std::vector<std::string> EditorTextToLines(const QString& text, int* badLine) {
  std::vector<std::string> lines;
  if (badLine) *badLine = 0;
  const QStringList parts = text.split(QLatin1Char('\n'));
  lines.reserve(static_cast<size_t>(parts.size()));
  for (const QString& part : parts) {
    bool ok = true;
    std::string line = ToCp1252(part, &ok);
    if (!ok && badLine && *badLine == 0) *badLine = static_cast<int>(lines.size()) + 1;
    lines.push_back(line.empty() ? std::string("*") : std::move(line));
  }
  return lines;
}

QString LinesToEditorText(const std::vector<std::string>& lines) {
  QStringList parts;
  for (const std::string& line : lines) parts << FromCp1252(line);
  return parts.join(QLatin1Char('\n'));
}

int SaveSourceText(const QString& fileName, const QString& text, int* badLine) {
  int bad = 0;
  const std::vector<std::string> lines = EditorTextToLines(text, &bad);
  if (badLine) *badLine = bad;
  if (bad != 0) return EILSEQ;
  return WriteTextLines(fileName, lines);
}

}  // namespace pm
