#pragma once

#include <string_view>

namespace pm {

// What a mark-up line ("*|" at its start, a "*|#" prefix already removed)
// is to the parser. The tests run in a fixed order and the first that holds
// wins; the parser acts on the kind, and the authoring dialogs read lines
// through the same function, so the two cannot disagree.
enum class MarkupKind {
  CheckBoxGroup,  // contains "*|{"
  RadioGroup,     // contains "*|("
  OpenGroup,      // contains "*|["
  CloseGroup,     // "*|]" at column 1 or 4
  Font,           // FONTn with arguments
  OpenTabWindow,
  CloseTabWindow,
  Align,
  Tab,
  Size,
  Style,
  Color,
  AppLink,
  Img,
  Picture,
  TextLine,  // "*|*"
  Background,
  Before,
  After,
  Before1,
  After1,
  WindowSize,
  Input,  // none of the above: an input's mark-up (see InputKindOf)
};

MarkupKind ClassifyMarkupLine(std::string_view line);

// A deck line without its "*|#" (hidden) prefix.
std::string_view WithoutHiddenPrefix(std::string_view line);

// The column of the slot digit of a slot command (FONTn, SIZEn, STYLEn,
// COLORn, ALIGNn, TABn), or 0 for any other kind.
int SlotColumnOf(MarkupKind kind);

}  // namespace pm
