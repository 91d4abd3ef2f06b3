#pragma once

#include <string>
#include <string_view>

#include "common/lib1.h"
#include "formdeck/formelement.h"

namespace pm {

// The mark-up of the value inputs, read from the deck's bytes. Each reader
// returns false where the element is malformed (the builder then reports
// the input error); what was read up to there stays in the result.

// The kind of input a mark-up line makes: character 3 "?" a file input,
// "<" a list input, anything else a numeric input.
ElementKind InputKindOf(std::string_view markupLine);

// "NAME = value": the name as written before the first "=" (trailing blanks
// kept), the value after it, trimmed. False without "=".
bool SplitValueLine(std::string_view deckLine, std::string* name, std::string* value);

// "ASSIGN file unit": name before the first blank, the file (quotes kept)
// and the unit from the rest. False when the line does not begin with
// "ASSIGN" (any case), or the unit is missing or no integer.
struct AssignValue {
  std::string name;
  std::string file;
  int unit = 0;
};
bool ReadAssignLine(std::string_view deckLine, AssignValue* out);

// The number format an input takes from the text of its maximum: fixed with
// as many decimals as follow the ".", or scientific with 4 digits when the
// text holds an "E".
TNumberFormat FormatFromMaxText(std::string_view maxText);

// *|label|SIunit|Englishunit|offset|factor|min|max|helpId|APPLINKk|arguments
struct NumericMarkup {
  std::string label;
  std::string siUnit;
  std::string ipUnit;
  long double offset = 0;
  long double factor = 1;
  long double min = 0;
  long double max = 0;
  std::string maxText;
  TNumberFormat format;
  int helpId = 0;
  std::string appLink;  // the text after the help id's "|", trimmed
};
bool ReadNumericMarkup(std::string_view markupLine, NumericMarkup* out);

// *|<label|listFile|displayColumn|keyColumn|helpId|APPLINKk|arguments
struct ListMarkup {
  std::string label;
  std::string listFile;
  int displayColumn = 0;
  int keyColumn = 0;
  int helpId = 0;
  std::string appLink;
};
bool ReadListMarkup(std::string_view markupLine, ListMarkup* out);

// The deck line of a list input: "NAME = value", or an ASSIGN line whose
// value is the file (quotes kept) and whose unit follows it.
struct ListDeckValue {
  std::string name;
  std::string value;
  bool isAssign = false;
  int unit = 0;
};
bool ReadListDeckLine(std::string_view deckLine, ListDeckValue* out);

// *|?label|helpId
struct FileMarkup {
  std::string label;
  int helpId = 0;
};
bool ReadFileMarkup(std::string_view markupLine, FileMarkup* out);

// *|*text or *|*label|text|help. The help text is kept as written so that
// the write-back can put it back; helpId is its integer (0 when it is none).
struct TextLineMarkup {
  std::string label;
  bool hasInput = false;
  std::string inputText;
  bool hasHelp = false;
  std::string helpText;
  int helpId = 0;
};
TextLineMarkup ReadTextLineMarkup(std::string_view markupLine);

// APPLINKk|arguments (any case). Link 1 to 4, else 0 with an optional
// bitmap named between a "\" and the first "|".
struct AppLinkMarkup {
  int linkIndex = 0;
  std::string bitmap;
  std::string arguments;
};
bool ReadAppLink(std::string_view text, AppLinkMarkup* out);

// Shown value and bounds of a numeric input in a unit system (1 SI, else
// inch-pound: (SI + offset) x factor).
long double ToDisplayUnits(long double si, long double offset, long double factor, int unitSystem);

}  // namespace pm
