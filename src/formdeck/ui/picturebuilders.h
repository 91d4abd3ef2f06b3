#pragma once

#include <string>

namespace pm {

class DeckParser;
class TPlenzoForm;

// The builders of pictures: a plain or application-link picture
// ("*|<PICTURE>", "*|<APPLINKk>") and an IMG picture with clickable areas.
// Each places the picture below the page's last element or at the bottom of
// the open visual group; a missing or unreadable file stops the parse.
void BuildPicture(TPlenzoForm& form, DeckParser& parser, const std::string& text, int linkIndex);
void BuildImage(TPlenzoForm& form, DeckParser& parser, const std::string& line);

}  // namespace pm
