#include "authoring/listinput.h"

#include <cstdlib>

#include "authoring/componentfile.h"
#include "common/lib1.h"
#include "formdeck/inputmarkup.h"
#include "formdeck/markupkind.h"
#include "formdeck/markuptext.h"

namespace pm {

namespace {

bool ReadsAsList(const std::string& line) {
  ListMarkup markup;
  return InputLineKindOf(line) == InputLineKind::List && ReadListMarkup(WithoutHiddenPrefix(line), &markup);
}

}  // namespace

bool LoadListLine(const SourceLines& lines, int index, ListFields* fields, std::string* badInteger) {
  *fields = ListFields();
  if (index >= 0) return true;
  const std::string line = lines.Get(-index);
  if (InputLineKindOf(line) != InputLineKind::List) return true;
  const std::string_view body = WithoutHiddenPrefix(line);
  fields->prefix = line.substr(0, line.size() - body.size());
  // What follows the help number (an application link) is kept as written.
  const std::vector<std::string> parts = SplitMarkupFields(body.substr(3), 5, &fields->tail);
  fields->label = TrimLeft(parts[0]);
  fields->fileName = StripQuotes(Trimmed(parts[1]));
  int* const numbers[] = {&fields->displayColumn, &fields->valueColumn, &fields->help};
  for (int i = 0; i < 3; ++i) {
    const std::string t = Trimmed(parts[i + 2]);
    if (i == 2 && t.empty()) break;
    if (!ReadInteger(t, numbers[i])) {
      *badInteger = t;
      return false;
    }
  }
  return true;
}

std::string ListLine(const ListFields& f) {
  return f.prefix + "*|<" + CleanedLabel(f.label) + "|\"" + f.fileName + "\"|" +
         std::to_string(f.displayColumn) + "|" + std::to_string(f.valueColumn) + "|" +
         std::to_string(f.help) + f.tail;
}

ListField WriteListInput(SourceLines& lines, int index, const ListFields& fields) {
  if (index == 0 || std::abs(index) > lines.Count()) return ListField::Label;
  // A list input whose file is missing stops the parse.
  if (Trimmed(fields.fileName).empty() || fields.fileName.find('|') != std::string::npos)
    return ListField::FileName;
  const std::string line = ListLine(fields);
  if (!ReadsAsList(line)) {
    ListFields probe = fields;
    probe.label = "x";
    return ReadsAsList(ListLine(probe)) ? ListField::Label : ListField::FileName;
  }
  if (index < 0) {
    lines.Put(-index, line);
  } else {
    lines.Insert(index, line);
  }
  return ListField::None;
}

}  // namespace pm
