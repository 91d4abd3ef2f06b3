#pragma once

#include <QString>
#include <string>
#include <string_view>
#include <vector>

#include "common/lib1.h"
#include "formdeck/formelement.h"

namespace pm {

// What the write-back knows of one element: the deck line it takes and what
// goes there. The form gathers these from its controls; the rebuilding of
// the deck needs no window.
struct WriteBackItem {
  int lineNumber = 0;  // the deck line the element takes, from 1
  ElementKind kind = ElementKind::TextLine;
  // In a visual group; a choice group inside one counts as in it too.
  bool inGroup = false;
  // The held line goes back as it is (no value to rebuild, or an untouched
  // text); otherwise `line` replaces it.
  bool keepLine = true;
  std::string line;
  // A text line without an input is never hidden.
  bool neverHidden = false;
  // Visual groups: the box is shown.
  bool groupShown = true;
  // Radio groups: each item's state, in the order of the item lines.
  std::vector<bool> itemsChecked;
};

// The deck as the form writes it back: one line out per held line. Empty
// lines become "*", except between an input's deck line and its mark-up
// line; the lines of hidden visual groups get "*|#", except text lines
// without an input and the lines of choice groups, and a line outside any
// visual group keeps the "*|#" it was read with; "//checked" follows
// the checked item of each radio group (found by its position) and is left
// alone everywhere else. Items are matched to lines by their line numbers;
// of two items on one line the first counts.
std::vector<std::string> WriteBackLines(const std::vector<std::string>& held,
                                        const std::vector<WriteBackItem>& items);

// The number format of values written into a deck: 2.5000000000000E+00.
inline constexpr TNumberFormat kDeckNumberFormat{0, 13};

// "NAME = value" lines: the name as written before "=", then "= ".
std::string ValueLine(std::string_view name, std::string_view value);
std::string NumericValueLine(std::string_view name, long double siValue);
// "ASSIGN file unit" lines (file inputs and ASSIGN list inputs).
std::string AssignLine(std::string_view name, std::string_view file, int unit);
// "*|*label|text", with "|" and the help text when the mark-up had one.
std::string FreeTextLine(std::string_view label, std::string_view text, bool hasHelp,
                         std::string_view helpText);

// Values between the unit systems (1 SI, any other inch-pound).
long double ToSIUnits(long double shown, long double offset, long double factor, int unitSystem);

// The backup of a deck: its folder, its file name up to the first ".", and
// ".BAK" (so "plant.v2.pzd" and "plant.pzd" share "plant.BAK").
QString BackupName(const QString& deckPath);

// The first line, from 1, where the disk's text differs from the held text
// at one of the element lines; 0 when all agree.
int FirstChangedElementLine(const std::vector<std::string>& held, const std::vector<std::string>& disk,
                            const std::vector<int>& elementLines);

}  // namespace pm
