#pragma once

#include <QPointer>
#include <vector>

class QMdiArea;
class QMdiSubWindow;

namespace pm {

// The close questions of one command. Every document window that the
// command may close or replace is asked once, and all of them before
// anything is closed or changed; a refusal (Cancel, or a save that failed)
// ends the command with every window as it was. The windows are then closed
// without a second question.
class CloseQuestions {
 public:
  // Asks every child whose kind lies within 100 of one of `kinds`, in window
  // order, unless this command asked it before. False at the first refusal.
  bool AskKinds(QMdiArea* area, const std::vector<int>& kinds);
  bool WasAsked(const QMdiSubWindow* child) const;

 private:
  std::vector<QPointer<QMdiSubWindow>> asked_;
};

// Held while the program's own code closes windows (a command, File/Exit):
// during a program wait only these closes go through.
class CommandClose {
 public:
  CommandClose();
  ~CommandClose();
  CommandClose(const CommandClose&) = delete;
  CommandClose& operator=(const CommandClose&) = delete;
};
bool ClosingByCommand();

// Windows whose content the user may have changed.
bool IsDocumentChild(const QMdiSubWindow* child);

// A document window's close query: a text editor, form or table window
// asks to save its changes; other windows have nothing to lose.
bool AskChildToClose(QMdiSubWindow* child);

// Closes a child and deletes it at once. A window asked by this command is
// not asked again; a document window that was not asked asks now and may
// stay open; read-only windows go without a question. True when it is gone.
bool CloseChildNow(QMdiSubWindow* child, bool asked);

}  // namespace pm
