#include "common/textsearch.h"

#include <QTextDocument>

namespace pm {

QTextCursor FindForward(const QTextDocument& doc, const QString& what, int from, SearchOptions options) {
  if (what.isEmpty()) return {};
  QTextDocument::FindFlags flags;
  if (options.matchCase) flags |= QTextDocument::FindCaseSensitively;
  if (options.wholeWord) flags |= QTextDocument::FindWholeWords;
  return doc.find(what, from, flags);
}

bool SameSearchText(const QString& selected, const QString& what, bool matchCase) {
  if (what.isEmpty()) return false;
  return selected.compare(what, matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive) == 0;
}

ReplaceOutcome ReplaceForward(QTextDocument* doc, const QTextCursor& at, const ReplaceRequest& request) {
  ReplaceOutcome outcome;
  QTextCursor caret = at;
  // Edits through this cursor form one undo step.
  QTextCursor edit(doc);
  edit.beginEditBlock();
  if (caret.hasSelection() && SameSearchText(caret.selectedText(), request.what, request.options.matchCase)) {
    caret.insertText(request.with);
    ++outcome.replaced;
  }
  QTextCursor match = FindForward(*doc, request.what, caret.position(), request.options);
  while (!match.isNull() && request.all) {
    match.insertText(request.with);
    ++outcome.replaced;
    caret = match;
    match = FindForward(*doc, request.what, caret.position(), request.options);
  }
  edit.endEditBlock();
  outcome.found = !match.isNull();
  if (outcome.found) {
    outcome.cursor = match;
  } else {
    caret.clearSelection();
    outcome.cursor = caret;
  }
  return outcome;
}

}  // namespace pm
