#pragma once

#include <QTextCursor>

#include "authoring/markuplines.h"

class QPlainTextEdit;

namespace pm {

class TPlenzoForm;

// The Source editor's blocks as SourceLines. Edits go through one cursor in
// one edit block, so that everything one OK writes is one Undo step; the
// block closes when the object goes.
class EditorSourceLines final : public SourceLines {
 public:
  explicit EditorSourceLines(QPlainTextEdit* editor);
  ~EditorSourceLines() override;
  EditorSourceLines(const EditorSourceLines&) = delete;
  EditorSourceLines& operator=(const EditorSourceLines&) = delete;

  int Count() const override;
  std::string Get(int index) const override;
  void Put(int index, const std::string& line) override;
  void Insert(int index, const std::string& line) override;
  void Delete(int index) override;
  int CaretLine() const override;
  int SelectionEndLine() const override;

 private:
  void Begin();

  QPlainTextEdit* editor_;
  QTextCursor cursor_;
  bool editing_ = false;
};

// The Source editor the authoring dialogs edit: that of the current form
// window, or null when there is none or it has no Source tab.
QPlainTextEdit* AuthoringEditor();

}  // namespace pm
