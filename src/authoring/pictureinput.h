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

}  // namespace pm
