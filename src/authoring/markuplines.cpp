#include "authoring/markuplines.h"

#include "formdeck/inputmarkup.h"
#include "formdeck/markupkind.h"
#include "formdeck/markuptext.h"

namespace pm {

std::string VectorSourceLines::Get(int index) const {
  if (index < 0 || index >= Count()) return std::string();
  const std::string& line = lines_[static_cast<size_t>(index)];
  return line.empty() ? std::string("*") : line;
}

void VectorSourceLines::Put(int index, const std::string& line) {
  if (index >= 0 && index < Count()) lines_[static_cast<size_t>(index)] = line;
}

void VectorSourceLines::Insert(int index, const std::string& line) {
  if (index < 0 || index > Count()) return;
  lines_.insert(lines_.begin() + index, line);
}

void VectorSourceLines::Delete(int index) {
  if (index >= 0 && index < Count()) lines_.erase(lines_.begin() + index);
}

InputLineKind InputLineKindOf(std::string_view line) {
  const std::string_view body = WithoutHiddenPrefix(line);
  if (!StartsWith(body, "*|") || ClassifyMarkupLine(body) != MarkupKind::Input) return InputLineKind::None;
  switch (InputKindOf(body)) {
    case ElementKind::FileInput:
      return InputLineKind::File;
    case ElementKind::ListInput:
      return InputLineKind::List;
    default:
      return InputLineKind::Numeric;
  }
}

std::vector<std::string> SplitMarkupFields(std::string_view text, int count, std::string* tail) {
  std::vector<std::string> fields(static_cast<size_t>(count));
  tail->clear();
  size_t pos = 0;
  for (int i = 0; i < count; ++i) {
    const size_t bar = text.find('|', pos);
    if (bar == std::string_view::npos) {
      fields[static_cast<size_t>(i)] = std::string(text.substr(pos));
      return fields;
    }
    fields[static_cast<size_t>(i)] = std::string(text.substr(pos, bar - pos));
    pos = bar + 1;
  }
  *tail = std::string(text.substr(pos - 1));
  return fields;
}

}  // namespace pm
