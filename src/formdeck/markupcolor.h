#pragma once

#include <string_view>

#include "common/colors.h"

namespace pm {

// A colour word or the "RGB(" form of the mark-up. A malformed "RGB(" text
// shows "Syntax error in line n: text", sets ParseErrorState to 100 and still
// gives a colour (true); any other text that is no colour is false, silently.
bool ParseColor(std::string_view text, ColorValue* colour, int deckLineNumber);

}  // namespace pm
