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

}  // namespace pm
