#include "formdeck/assignfiles.h"

#include <QFileInfo>
#include <algorithm>

#include "common/globals.h"
#include "common/lib1.h"
#include "formdeck/markuptext.h"
#include "platform/cp1252.h"

namespace pm {

namespace {

// The deck's folder as written and its file name without the extension;
// a dot in a folder name is no extension.
QString DeckBaseName(const QString& deckName) {
  const qsizetype slash =
      std::max(deckName.lastIndexOf(QLatin1Char('/')), deckName.lastIndexOf(QLatin1Char('\\')));
  return deckName.left(slash + 1) + QFileInfo(deckName.mid(slash + 1)).completeBaseName();
}

}  // namespace

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
    result.replace(QStringLiteral("***."), DeckBaseName(StripQuotes(deckName)) + QLatin1Char('.'));
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
