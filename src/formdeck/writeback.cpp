#include "formdeck/writeback.h"

#include "common/filenames.h"
#include "formdeck/markuptext.h"

namespace pm {

namespace {

constexpr std::string_view kHiddenPrefix = "*|#";
constexpr std::string_view kCheckedMark = "//checked";

// The state of the walk over the deck's lines.
struct Walk {
  bool inVisual = false;  // between a visual group's opener and its close
  bool visible = true;    // the visual group in hand is shown
  bool inChoice = false;  // between a choice group's opener and its close
  char closer = ')';      // ")" radio, "}" check boxes
  bool inRadio = false;
  const std::vector<bool>* checked = nullptr;
  size_t position = 0;  // the next radio item's index
  std::vector<std::string>* out = nullptr;

  void Put(std::string line, bool hide) {
    if (hide) line.insert(0, kHiddenPrefix);
    out->push_back(std::move(line));
  }
};

// A line of a choice group: items, skipped lines and the close. They are
// written without "*|#": the reader takes "*|#" only before "*|" there, and
// a caption may begin with "#".
void PutChoiceLine(Walk& w, std::string L) {
  if (StartsWith(L, "*|#*|")) L.erase(0, kHiddenPrefix.size());
  if (StartsWith(L, "**") || !StartsWith(L, "*|")) {
    w.Put(std::move(L), false);
    return;
  }
  if (CharAt(L, 3) == w.closer) {
    // The enclosing visual group's state holds again after the close.
    w.inChoice = false;
    w.inRadio = false;
    w.Put(std::move(L), false);
    return;
  }
  if (w.inRadio && L.find('|', 2) != std::string::npos) {
    const size_t mark = L.find(kCheckedMark);
    if (mark != std::string::npos) L.erase(mark);
    const size_t index = w.position++;
    if (w.checked && index < w.checked->size() && (*w.checked)[index]) L += kCheckedMark;
  }
  w.Put(std::move(L), false);
}

// Inside a visual group its state decides the prefix; outside any group a
// line keeps the "*|#" it was read with, so a line hidden by hand does not
// reach the engine.
void PutElementLine(Walk& w, const WriteBackItem& item, std::string L, bool wasHidden) {
  if (!item.inGroup) w.visible = true;
  switch (item.kind) {
    case ElementKind::TextLine:
    case ElementKind::NumericInput:
    case ElementKind::ListInput:
    case ElementKind::FileInput:
      w.Put(item.keepLine ? std::move(L) : item.line,
            item.inGroup ? !item.neverHidden && !w.visible : wasHidden);
      return;
    case ElementKind::VisualGroup:
      // The opener itself carries the group's state.
      w.inVisual = true;
      w.visible = item.groupShown;
      w.Put(std::move(L), !w.visible);
      return;
    case ElementKind::CheckBoxGroup:
    case ElementKind::RadioGroup:
      w.inChoice = true;
      w.closer = item.kind == ElementKind::RadioGroup ? ')' : '}';
      w.inRadio = item.kind == ElementKind::RadioGroup;
      w.checked = &item.itemsChecked;
      w.position = 0;
      w.Put(std::move(L), false);
      return;
    default:
      w.Put(std::move(L), item.inGroup ? !w.visible : wasHidden);
      return;
  }
}

}  // namespace

std::vector<std::string> WriteBackLines(const std::vector<std::string>& held,
                                        const std::vector<WriteBackItem>& items) {
  // Items by line number; the first of two on one line counts.
  std::vector<const WriteBackItem*> at(held.size() + 1, nullptr);
  for (const WriteBackItem& item : items) {
    if (item.lineNumber >= 1 && static_cast<size_t>(item.lineNumber) <= held.size() && !at[item.lineNumber])
      at[item.lineNumber] = &item;
  }
  std::vector<std::string> out;
  out.reserve(held.size());
  Walk w;
  w.out = &out;
  // Between an input's deck line and its mark-up an empty line stays empty:
  // as "*" it would be the input's deck line at the next read.
  bool afterInput = false;
  for (size_t n = 1; n <= held.size(); ++n) {
    if (held[n - 1].empty() && afterInput && !at[n]) {
      out.emplace_back();
      continue;
    }
    std::string L = held[n - 1].empty() ? std::string("*") : held[n - 1];
    const WriteBackItem* item = at[n];
    afterInput = item && (item->kind == ElementKind::NumericInput || item->kind == ElementKind::ListInput ||
                          item->kind == ElementKind::FileInput);
    if (!item && w.inChoice) {
      PutChoiceLine(w, std::move(L));
      continue;
    }
    const bool wasHidden = StartsWith(L, kHiddenPrefix);
    if (wasHidden) L.erase(0, kHiddenPrefix.size());
    if (item) {
      PutElementLine(w, *item, std::move(L), wasHidden);
      continue;
    }
    const bool closesGroup = StartsWith(L, "*|]");
    w.Put(std::move(L), w.inVisual ? !w.visible : wasHidden);
    if (closesGroup) {
      w.inVisual = false;
      w.visible = true;
    }
  }
  return out;
}

std::string ValueLine(std::string_view name, std::string_view value) {
  std::string line(name);
  line += "= ";
  line += value;
  return line;
}

std::string NumericValueLine(std::string_view name, long double siValue) {
  return ValueLine(name, FormatNumber(kDeckNumberFormat, siValue));
}

std::string AssignLine(std::string_view name, std::string_view file, int unit) {
  std::string line(name);
  line += ' ';
  line += file;
  line += ' ';
  line += std::to_string(unit);
  return line;
}

std::string FreeTextLine(std::string_view label, std::string_view text, bool hasHelp,
                         std::string_view helpText) {
  std::string line = "*|*";
  line += label;
  line += '|';
  line += text;
  if (hasHelp) {
    line += '|';
    line += helpText;
  }
  return line;
}

long double ToSIUnits(long double shown, long double offset, long double factor, int unitSystem) {
  return unitSystem == 1 ? shown : shown / factor - offset;
}

QString BackupName(const QString& deckPath) { return ChangeExt(deckPath, QStringLiteral(".BAK")); }

int FirstChangedElementLine(const std::vector<std::string>& held, const std::vector<std::string>& disk,
                            const std::vector<int>& elementLines) {
  int first = 0;
  for (const int n : elementLines) {
    if (n < 1 || static_cast<size_t>(n) > held.size()) continue;
    const bool same = static_cast<size_t>(n) <= disk.size() && disk[n - 1] == held[n - 1];
    if (!same && (first == 0 || n < first)) first = n;
  }
  return first;
}

}  // namespace pm
