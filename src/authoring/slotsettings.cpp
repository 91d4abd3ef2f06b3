#include "authoring/slotsettings.h"

#include <algorithm>

#include "common/colors.h"
#include "formdeck/markupkind.h"
#include "formdeck/markuptext.h"
#include "platform/cp1252.h"

namespace pm {

namespace {

bool IsStyleWord(const std::string& word) {
  return word == "NONE" || word == "BOLD" || word == "ITALIC" || word == "UNDERLINE";
}

}  // namespace

void ReadFontWords(std::string_view arguments, SlotSettings* settings) {
  size_t i = 0;
  while (i < arguments.size()) {
    if (arguments[i] == ' ') {
      ++i;
      continue;
    }
    size_t end = i;
    bool quoted = false;
    while (end < arguments.size() && (quoted || arguments[end] != ' ')) {
      if (arguments[end] == '"') quoted = !quoted;
      ++end;
    }
    std::string word(arguments.substr(i, end - i));
    i = end;
    if (!word.empty() && word.front() == '"') word.erase(0, 1);
    if (!word.empty() && word.back() == '"') word.pop_back();
    word = AsciiUpper(word);
    if (word.empty()) continue;
    ColorValue colour = 0;
    if (word[0] >= '0' && word[0] <= '9') {
      settings->size = word;
    } else if (IsStyleWord(word)) {
      settings->style = word;
    } else if (ParseColorText(word, &colour) != RgbResult::NotRgb) {
      settings->color = word;
    } else {
      settings->font = word;
    }
  }
}

void ReadSlotSettings(const SourceLines& lines, int end, int slot, SlotSettings* settings) {
  const int last = std::min(end, lines.Count());
  for (int i = 0; i < last; ++i) {
    const std::string line = lines.Get(i);
    const std::string_view body = WithoutHiddenPrefix(line);
    if (!StartsWith(body, "*|")) continue;
    const MarkupKind kind = ClassifyMarkupLine(body);
    const int column = SlotColumnOf(kind);
    if (column == 0 || CharAt(body, static_cast<size_t>(column)) != '0' + slot) continue;
    const std::string u = AsciiUpper(body);
    switch (kind) {
      case MarkupKind::Font:
        ReadFontWords(FromColumn(u, 10), settings);
        break;
      case MarkupKind::Size:
        settings->size = Trimmed(FromColumn(u, 10));
        break;
      case MarkupKind::Style:
        settings->style = Trimmed(FromColumn(u, 11));
        break;
      case MarkupKind::Color:
        settings->color = Trimmed(FromColumn(u, 11));
        break;
      case MarkupKind::Align:
        settings->align = Trimmed(FromColumn(u, 11));
        break;
      default:
        break;
    }
  }
}

std::string QuotedFontName(std::string_view name) { return "\"" + std::string(name) + "\""; }

}  // namespace pm
