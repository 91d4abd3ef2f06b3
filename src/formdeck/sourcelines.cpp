#include "formdeck/sourcelines.h"

#include "common/lib1.h"
#include "platform/cp1252.h"
#include "platform/textfile.h"

namespace pm {

std::vector<std::string> EditorTextToLines(const QString& text) {
  std::vector<std::string> lines;
  const QStringList parts = text.split(QLatin1Char('\n'));
  lines.reserve(static_cast<size_t>(parts.size()));
  for (const QString& part : parts) {
    std::string line = ToCp1252(part);
    lines.push_back(line.empty() ? std::string("*") : std::move(line));
  }
  return lines;
}

QString LinesToEditorText(const std::vector<std::string>& lines) {
  QStringList parts;
  for (const std::string& line : lines) parts << FromCp1252(line);
  return parts.join(QLatin1Char('\n'));
}

int SaveSourceText(const QString& fileName, const QString& text) {
  return WriteTextLines(fileName, EditorTextToLines(text));
}

}  // namespace pm
