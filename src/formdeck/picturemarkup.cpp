#include "formdeck/picturemarkup.h"

#include <QByteArray>
#include <QFileInfo>
#include <cctype>

#include "formdeck/markuptext.h"
#include "platform/jpeg.h"
#include "platform/textfile.h"

namespace pm {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

bool EqualNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (std::toupper(static_cast<unsigned char>(a[i])) != std::toupper(static_cast<unsigned char>(b[i])))
      return false;
  return true;
}

bool IsAlignmentWord(std::string_view word) {
  return EqualNoCase(word, "LEFT") || EqualNoCase(word, "CENTER") || EqualNoCase(word, "RIGHT");
}

std::vector<std::string> Words(std::string_view text) {
  std::vector<std::string> words;
  size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && IsBlank(text[i])) ++i;
    const size_t start = i;
    while (i < text.size() && !IsBlank(text[i])) ++i;
    if (i > start) words.emplace_back(text.substr(start, i - start));
  }
  return words;
}

// Blanks and at most one comma between two numbers.
bool NextCoord(std::string_view text, size_t* pos, int* value) {
  size_t i = *pos;
  while (i < text.size() && IsBlank(text[i])) ++i;
  const size_t start = i;
  while (i < text.size() && !IsBlank(text[i]) && text[i] != ',') ++i;
  if (!ReadInteger(text.substr(start, i - start), value)) return false;
  while (i < text.size() && IsBlank(text[i])) ++i;
  if (i < text.size() && text[i] == ',') ++i;
  *pos = i;
  return true;
}

}  // namespace

PictureMarkup ReadPictureMarkup(std::string_view text, bool appLink) {
  PictureMarkup m;
  std::string rest;
  if (!text.empty() && text[0] == '"') {
    const size_t close = text.find('"', 1);
    if (close == std::string_view::npos) {
      m.unclosedQuote = true;
      m.error = std::string(text.substr(1));
      return m;
    }
    m.fileName = std::string(text.substr(1, close - 1));
    rest = TrimLeft(text.substr(close + 1));
  } else {
    const std::string t = Trimmed(text);
    const size_t blank = t.find(' ');
    m.fileName = t.substr(0, blank);
    if (blank != std::string::npos) rest = TrimLeft(t.substr(blank + 1));
  }
  if (appLink) {
    const std::vector<std::string> words = Words(rest);
    if (!words.empty() && IsAlignmentWord(words[0])) m.alignment = AlignmentOf(words[0]);
    // Words that are alignments are dropped wherever they stand; words that
    // merely contain one stay.
    for (const std::string& word : words) {
      if (IsAlignmentWord(word)) continue;
      if (!m.arguments.empty()) m.arguments += ' ';
      m.arguments += word;
    }
  }
  bool opaque = false;
  const std::string plain = StripOpaqueMarker(rest, &opaque);
  if (EqualNoCase(plain, "LEFT")) m.alignment = 0;
  if (EqualNoCase(plain, "RIGHT")) m.alignment = 2;
  return m;
}

std::vector<MarkupAttribute> ReadAttributes(std::string_view line) {
  std::vector<MarkupAttribute> out;
  size_t i = 0;
  while (i < line.size()) {
    const bool wordStart = std::isalpha(static_cast<unsigned char>(line[i])) &&
                           (i == 0 || !std::isalnum(static_cast<unsigned char>(line[i - 1])));
    if (!wordStart) {
      ++i;
      continue;
    }
    size_t end = i;
    while (end < line.size() && std::isalpha(static_cast<unsigned char>(line[end]))) ++end;
    if (end + 1 >= line.size() || line[end] != '=' || line[end + 1] != '"') {
      i = end;
      continue;
    }
    MarkupAttribute a;
    for (size_t k = i; k < end; ++k) a.key += static_cast<char>(std::toupper(static_cast<unsigned char>(line[k])));
    const size_t start = end + 2;
    const size_t close = line.find('"', start);
    a.closed = close != std::string_view::npos;
    a.value = std::string(line.substr(start, a.closed ? close - start : std::string_view::npos));
    out.push_back(std::move(a));
    if (!out.back().closed) break;
    i = close + 1;
  }
  return out;
}

const MarkupAttribute* FindAttribute(const std::vector<MarkupAttribute>& attributes, std::string_view key) {
  for (const MarkupAttribute& a : attributes)
    if (a.key == key) return &a;
  return nullptr;
}

std::string StripOpaqueMarker(std::string_view source, bool* opaque) {
  std::string s(source);
  *opaque = false;
  size_t at = 0;
  while ((at = s.find('/', at)) != std::string::npos) {
    const bool marker = at + 3 <= s.size() && EqualNoCase(std::string_view(s).substr(at, 3), "/NT") &&
                        (at + 3 == s.size() || IsBlank(s[at + 3]));
    if (marker) {
      s.erase(at, 3);
      *opaque = true;
    } else {
      ++at;
    }
  }
  return Trimmed(s);
}

int AlignmentOf(std::string_view text) {
  const std::string t = Trimmed(text);
  if (EqualNoCase(t, "LEFT")) return 0;
  if (EqualNoCase(t, "RIGHT")) return 2;
  return 1;
}

bool ParseCoords(std::string_view text, QRect* rect) {
  int v[4];
  size_t pos = 0;
  for (int& n : v)
    if (!NextCoord(text, &pos, &n)) return false;
  *rect = QRect(v[0], v[1], v[2] - v[0], v[3] - v[1]);
  return true;
}

ImageMap ReadImageMap(const std::vector<std::string>& lines) {
  ImageMap map;
  for (size_t n = 0; n < lines.size(); ++n) {
    const std::vector<MarkupAttribute> attributes = ReadAttributes(lines[n]);
    for (const MarkupAttribute& a : attributes) {
      if (!a.closed && (a.key == "HREF" || a.key == "HINT" || a.key == "COORDS")) {
        map.unclosedLine = static_cast<int>(n + 1);
        return map;
      }
      if (a.key == "HREF") {
        map.areas.push_back(MapArea{Trimmed(a.value), {}, {}, false, 0});
      } else if (map.areas.empty()) {
        continue;  // before the first HREF: no area to belong to
      } else if (a.key == "HINT") {
        map.areas.back().hint = a.value;
      } else if (a.key == "COORDS") {
        MapArea& area = map.areas.back();
        area.hasCoords = true;
        QRect rect;
        if (ParseCoords(a.value, &rect)) {
          area.rect = rect;
          area.badCoordsLine = 0;
        } else {
          area.rect = QRect();
          area.badCoordsLine = static_cast<int>(n + 1);
          map.badCoords.emplace_back(static_cast<int>(n + 1), lines[n]);
        }
      }
    }
  }
  return map;
}

bool ReadRegularFile(const QString& path, qint64 limit, QByteArray* bytes) {
  // A device or a pipe named in a deck would never end.
  const QFileInfo info(path);
  if (!info.isFile() || info.size() > limit) return false;
  return ReadFileBytes(path, bytes) == 0 && bytes->size() <= limit;
}

bool ReadImageMapFile(const QString& path, ImageMap* map) {
  QByteArray bytes;
  if (!ReadRegularFile(path, kMapFileLimit, &bytes)) return false;
  *map = ReadImageMap(SplitLines(bytes));
  return true;
}

QImage LoadPictureFile(const QString& path) {
  QByteArray bytes;
  if (!ReadRegularFile(path, kPictureFileLimit, &bytes)) return QImage();
  if (bytes.startsWith("BM")) return QImage::fromData(bytes, "BMP");
  if (bytes.startsWith("\xFF\xD8\xFF")) return DecodeJpeg(bytes).image;
  return QImage();
}

}  // namespace pm
