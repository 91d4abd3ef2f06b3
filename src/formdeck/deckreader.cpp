#include "formdeck/deckreader.h"

#include "common/lib1.h"
#include "formdeck/markuptext.h"
#include "platform/cp1252.h"
#include "platform/pathresolver.h"
#include "platform/textfile.h"

namespace pm {

int DeckReader::Open(const QString& fileName) {
  Close();
  const int err = ReadTextLines(ResolveUnquoted(fileName), &lines_);
  open_ = err == 0;
  return err;
}

void DeckReader::Close() {
  lines_.clear();
  next_ = 0;
  open_ = false;
}

bool DeckReader::Next(std::string* line) {
  if (AtEnd()) return false;
  *line = std::move(lines_[next_++]);
  return true;
}

MarkerLine FindMarkerLine(const QString& fileName) {
  MarkerLine result;
  DeckReader deck;
  if (deck.Open(fileName) != 0) return result;
  result.readable = true;
  std::string line;
  for (int i = 0; i < 5 && deck.Next(&line); ++i) {
    if (!Contains(AsciiUpper(line), "*PLENZO")) continue;
    result.found = true;
    if (AsciiUpper(Trimmed(FromColumn(line, 8))) == "MAXIMIZE") result.maximize = true;
  }
  return result;
}

bool CheckMarkerLine(const QString& fileName) {
  const MarkerLine marker = FindMarkerLine(fileName);
  // An unreadable deck gets the open failure's message instead.
  if (marker.readable && !marker.found && ExtensionKey(StripQuotes(fileName)) == QLatin1String(".PZD")) {
    ShowMessageKind(
        QStringLiteral("File ") + fileName +
            QStringLiteral(" is missing the *PLENZO comment line which should be within the first 5 "
                           "lines of the file.  Please add this line ") +
            QStringLiteral("or change the filename extension to .DCK if this is not intended to be a "
                           "Mivaro file."),
        1, true);
  }
  return marker.maximize;
}

}  // namespace pm
