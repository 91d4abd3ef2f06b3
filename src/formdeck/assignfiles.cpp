#include "formdeck/assignfiles.h"

#include "common/filenames.h"
#include "common/globals.h"
#include "common/lib1.h"
#include "formdeck/markuptext.h"
#include "platform/cp1252.h"

namespace pm {

bool AssignFileName(const QString& deckName, std::string_view line, QString* name) {
  if (!StartsWith(AsciiUpper(line.substr(0, 7)), "ASSIGN ")) return false;
  const std::string rest = TrimLeft(FromColumn(line, 8));
  size_t end = std::string::npos;
  if (!rest.empty() && rest.front() == '"') {
    end = rest.find('"', 1);
    if (end != std::string::npos) ++end;  // the closing quote stays part of the name
  } else {
    end = rest.find(' ');
  }
  QString result = FromCp1252(rest.substr(0, end));
  if (result.contains(QStringLiteral("***."))) {
    result.replace(QStringLiteral("***."), WithoutLastExt(StripQuotes(deckName)) + QLatin1Char('.'));
  }
  TrimInPlace(result);
  *name = result;
  return true;
}

void AddAssignFile(const QString& deckName, std::string_view line) {
  QString name;
  if (AssignFileName(deckName, line, &name)) G().AssignFileList.append(name);
}

}  // namespace pm
