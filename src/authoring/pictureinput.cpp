#include "authoring/pictureinput.h"

#include <algorithm>

#include "formdeck/markupkind.h"
#include "formdeck/markuptext.h"
#include "formdeck/picturemarkup.h"
#include "platform/cp1252.h"

namespace pm {

std::string PictureLine(const std::string& fileName, const std::string& justification) {
  const std::string name = fileName.find(' ') == std::string::npos ? fileName : "\"" + fileName + "\"";
  return "*|<PICTURE> " + name + " " + justification;
}

bool WritePicture(SourceLines& lines, const std::string& fileName, const std::string& justification) {
  if (fileName.empty() || fileName.find('"') != std::string::npos) return false;
  const std::string line = PictureLine(fileName, justification);
  if (ClassifyMarkupLine(line) != MarkupKind::Picture) return false;
  // The parser drops the blank after the command, as here.
  if (ReadPictureMarkup(TrimLeft(FromColumn(line, 12)), false).fileName != fileName) return false;
  lines.Insert(std::clamp(lines.CaretLine(), 0, lines.Count()), line);
  return true;
}

std::string RgbText(ColorValue c) {
  return "RGB(" + std::to_string(c & 0xFF) + "," + std::to_string((c >> 8) & 0xFF) + "," +
         std::to_string((c >> 16) & 0xFF) + ")";
}

ColorValue ColorOfText(const std::string& text) {
  ColorValue colour = 0;
  return ParseColorText(text, &colour) == RgbResult::Ok ? colour : 0xFFFFFF;
}

std::string BackgroundColorText(const SourceLines& lines, int* line) {
  for (int i = 0; i < lines.Count(); ++i) {
    const std::string text = lines.Get(i);
    if (StartsWith(AsciiUpper(text), "*|<BACKGROUND>")) {
      *line = i;
      return TrimLeft(FromColumn(text, 15));
    }
  }
  *line = -1;
  return "WHITE";
}

void WriteBackground(SourceLines& lines, int line, const std::string& colourText) {
  const std::string text = "*|<BACKGROUND> " + colourText;
  if (line >= 0 && line < lines.Count()) {
    lines.Put(line, text);
  } else {
    lines.Insert(std::min(1, lines.Count()), text);
  }
}

}  // namespace pm
