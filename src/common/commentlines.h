#pragma once

class QTextCursor;
class QTextDocument;

namespace pm {

// The deck comment prefix of the editors' Comment command.
inline constexpr char kCommentPrefix[] = "*\\";

// The lines First..Last of a selection: the line of its start and the line
// of the character at its end, so a selection that ends at the start of a
// line takes that line too.
struct SelectedLines {
  int first = 0;
  int last = 0;
};
SelectedLines SelectedLinesOf(const QTextCursor& selection);

// True when the line holding the selection's start begins with the prefix:
// the Comment command then removes it ("Undo Comment").
bool SelectionStartsCommented(const QTextCursor& selection);

// Comments the selected lines, or uncomments them when the first one is
// commented (lines without the prefix then stay). One undo step; nothing
// happens without a selection. The selection is kept over the same lines.
void CommentSelectedLines(QTextCursor* selection);

}  // namespace pm
