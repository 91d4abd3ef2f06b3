#pragma once

#include <string>

class QWidget;

namespace pm {

struct FontSlot;

class DeckParser;
class TAppButton;
class TPlenzoForm;
struct TFormElement;

// The builders of the elements that carry a value or a text: numeric, list
// and file inputs (AddElement), text lines and the application-link buttons
// of inputs. Each places its controls in the form's current container, below
// the page's last element or at the bottom of the open visual group.
void BuildInputElement(TPlenzoForm& form, DeckParser& parser);
void BuildTextLine(TPlenzoForm& form, DeckParser& parser, const std::string& line);
// "APPLINKk|arguments" after an input's help id; nothing for other text.
TAppButton* BuildAppButton(TPlenzoForm& form, TFormElement* element, const std::string& text);

// A control takes a font slot's font and colour.
void ApplyFontSlot(QWidget* control, const FontSlot& slot);
// A control whose builder sets its geometry keeps it when shown.
void GeometryFromBuilder(QWidget* control);

}  // namespace pm
