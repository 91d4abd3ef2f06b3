#include "authoring/pictureinput.h"

#include <algorithm>

#include "formdeck/markupkind.h"
#include "formdeck/markuptext.h"
#include "formdeck/picturemarkup.h"

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

}  // namespace pm
