#pragma once

#include <QByteArray>
#include <QImage>
#include <QRect>
#include <QString>
#include <string>
#include <string_view>
#include <vector>

namespace pm {

// "*|<PICTURE>" and "*|<APPLINKk>" text: a file name, plain or in double
// quotes, then alignment words and, for a link, the program's arguments.
struct PictureMarkup {
  std::string fileName;
  int alignment = 1;      // 0 left, 1 center, 2 right
  std::string arguments;  // application links only
  std::string error;      // the text after an unclosed opening quote
  bool unclosedQuote = false;
};
PictureMarkup ReadPictureMarkup(std::string_view text, bool appLink);

// key="value" attributes of an IMG line or a map-file line, read left to
// right; keys are matched without regard to case, unknown ones skipped.
struct MarkupAttribute {
  std::string key;  // upper case
  std::string value;
  bool closed = true;  // false: no closing quote (the value runs to the end)
};
std::vector<MarkupAttribute> ReadAttributes(std::string_view line);
// The first attribute of that (upper-case) key, or null.
const MarkupAttribute* FindAttribute(const std::vector<MarkupAttribute>& attributes, std::string_view key);

// A SRC value without its "/NT" marker (only where a blank or the end of the
// value follows it) and without surrounding blanks.
std::string StripOpaqueMarker(std::string_view source, bool* opaque);
// "LEFT" 0, "RIGHT" 2, anything else 1 (any case, blanks around ignored).
int AlignmentOf(std::string_view text);

// Four integers x1, y1, x2, y2 separated by blanks or one comma into the
// rectangle QRect(x1, y1, x2 - x1, y2 - y1). False leaves rect unchanged.
bool ParseCoords(std::string_view text, QRect* rect);

struct MapArea {
  std::string href;  // as written, trimmed
  std::string hint;
  QRect rect;
  bool hasCoords = false;
  int badCoordsLine = 0;  // the map line whose COORDS did not read
};
struct ImageMap {
  std::vector<MapArea> areas;
  int unclosedLine = 0;  // the map line with a missing closing quote
  std::vector<std::pair<int, std::string>> badCoords;  // line number, line
};
// An HREF starts an area; HINT and COORDS after it belong to it (before the
// first HREF they are ignored). Reading stops at a missing closing quote.
ImageMap ReadImageMap(const std::vector<std::string>& lines);

constexpr qint64 kPictureFileLimit = qint64(256) << 20;
constexpr qint64 kMapFileLimit = qint64(16) << 20;
// The bytes of a regular file of at most limit bytes; false for anything
// else (a folder, a device, a pipe, a larger file).
bool ReadRegularFile(const QString& path, qint64 limit, QByteArray* bytes);
// A map file read whole; false when it cannot be read.
bool ReadImageMapFile(const QString& path, ImageMap* map);

// A picture file decoded by its signature: a Windows bitmap or a JPEG.
// Null when the file is neither or does not decode.
QImage LoadPictureFile(const QString& path);

}  // namespace pm
