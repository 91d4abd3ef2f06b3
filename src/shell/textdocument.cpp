#include "shell/textdocument.h"

#include <QStringList>
#include <string>
#include <vector>

#include "platform/cp1252.h"
#include "platform/textfile.h"

namespace pm {

TextContent DecodeTextFile(const QByteArray& bytes) {
  TextContent content;
  content.isText = !bytes.contains('\0');
  QStringList lines;
  for (const std::string& line : SplitLines(bytes)) lines << FromCp1252(line);
  content.text = lines.join(QLatin1Char('\n'));
  // A NUL would end the text in the editor: show it as a visible mark.
  if (!content.isText) content.text.replace(QChar(0), QChar(0x2400));
  return content;
}

QByteArray EncodeTextFile(const QString& text, int* badLine) {
  std::vector<std::string> lines;
  if (badLine) *badLine = 0;
  if (!text.isEmpty()) {
    for (const QString& line : text.split(QLatin1Char('\n'))) {
      bool ok = true;
      lines.push_back(ToCp1252(line, &ok));
      if (!ok && badLine && *badLine == 0) *badLine = static_cast<int>(lines.size());
    }
  }
  return JoinLinesCrLf(lines);
}

QString NotTextFileMessage(const QString& name) {
  return QStringLiteral("The file ") + name + QStringLiteral(" is not a text file; it is shown read-only.");
}

}  // namespace pm
