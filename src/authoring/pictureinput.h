#pragma once

#include <string>

#include "authoring/markuplines.h"
#include "common/colors.h"

namespace pm {

// "*|<PICTURE> " + file name (in double quotes when it holds a blank) + " "
// + justification.
std::string PictureLine(const std::string& fileName, const std::string& justification);

// Inserts the picture line at the caret line; false, writing nothing, when
// the line would not read back with that file name (an empty name, or one
// holding a double quote).
bool WritePicture(SourceLines& lines, const std::string& fileName, const std::string& justification);

// "RGB(r,g,b)" of a colour, in decimal without blanks.
std::string RgbText(ColorValue colour);
// The colour a colour text stands for, or white when it is none (a
// malformed "RGB(" included), without any message.
ColorValue ColorOfText(const std::string& text);

// The Background command's line: the first whose upper case begins
// "*|<BACKGROUND>" (its index in *line, else -1) and its colour text, or
// "WHITE" when there is none.
std::string BackgroundColorText(const SourceLines& lines, int* line);
// The new "*|<BACKGROUND> " line replaces that line, or goes in as the
// second line of the text when there was none.
void WriteBackground(SourceLines& lines, int line, const std::string& colourText);

}  // namespace pm
