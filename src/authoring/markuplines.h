#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace pm {

// The lines the authoring dialogs read and edit: the Source editor's lines
// as deck bytes (an empty line reads "*"), counted from 0. Inserting at k
// puts a line before the one at k; k equal to Count() appends.
class SourceLines {
 public:
  virtual ~SourceLines() = default;
  virtual int Count() const = 0;
  virtual std::string Get(int index) const = 0;
  virtual void Put(int index, const std::string& line) = 0;
  virtual void Insert(int index, const std::string& line) = 0;
  virtual void Delete(int index) = 0;
  // The line that holds the selection's start (the caret line), and the
  // line that holds its end.
  virtual int CaretLine() const = 0;
  virtual int SelectionEndLine() const = 0;
};

// Lines held in memory, for the dialogs' logic without an editor.
class VectorSourceLines final : public SourceLines {
 public:
  VectorSourceLines() = default;
  explicit VectorSourceLines(std::vector<std::string> lines) : lines_(std::move(lines)) {}
  int Count() const override { return static_cast<int>(lines_.size()); }
  std::string Get(int index) const override;
  void Put(int index, const std::string& line) override;
  void Insert(int index, const std::string& line) override;
  void Delete(int index) override;
  int CaretLine() const override { return caret_; }
  int SelectionEndLine() const override { return selectionEnd_; }
  void Select(int caretLine, int endLine) {
    caret_ = caretLine;
    selectionEnd_ = endLine;
  }
  const std::vector<std::string>& Lines() const { return lines_; }

 private:
  std::vector<std::string> lines_;
  int caret_ = 0;
  int selectionEnd_ = 0;
};

// The kind of input a Source line makes for the parser, through its own
// classification ("*|#" hidden lines included).
enum class InputLineKind { None, Numeric, List, File };
InputLineKind InputLineKindOf(std::string_view line);

// The first `count` "|"-separated fields of a mark-up text (empty ones for
// those missing), and in tail what follows them, its "|" included (an
// application link), or nothing.
std::vector<std::string> SplitMarkupFields(std::string_view text, int count, std::string* tail);

}  // namespace pm
