#include "shell/ui/closequestions.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <algorithm>

#include "common/globals.h"
#include "formdeck/ui/plenzoform.h"
#include "plots/ui/plotform.h"
#include "shell/opendispatch.h"
#include "shell/ui/editform.h"
#include "shell/ui/windowhelpers.h"
#include "tables/ui/tableform.h"

namespace pm {

namespace {

bool IsDocumentKind(int kind) {
  return KindWithin(kind, KindTextEditor) || kind == KindOtherText || KindWithin(kind, KindFormPages) ||
         KindWithin(kind, KindPlot) || KindWithin(kind, KindTable);
}

int commandCloses = 0;

}  // namespace

CommandClose::CommandClose() { ++commandCloses; }
CommandClose::~CommandClose() { --commandCloses; }
bool ClosingByCommand() { return commandCloses > 0; }

bool IsDocumentChild(const QMdiSubWindow* child) { return IsDocumentKind(KindOfChild(child)); }

bool CloseQuestions::AskKinds(QMdiArea* area, const std::vector<int>& kinds) {
  const QList<QMdiSubWindow*> children = area->subWindowList();
  for (QMdiSubWindow* child : children) {
    QPointer<QMdiSubWindow> guard(child);
    if (!guard || WasAsked(child)) continue;
    const int kind = KindOfChild(child);
    if (std::none_of(kinds.begin(), kinds.end(), [kind](int K) { return KindWithin(kind, K); })) continue;
    if (!AskChildToClose(child)) return false;
    if (guard) asked_.emplace_back(guard);
  }
  return true;
}

bool CloseQuestions::WasAsked(const QMdiSubWindow* child) const {
  return std::any_of(asked_.begin(), asked_.end(),
                     [child](const QPointer<QMdiSubWindow>& p) { return p == child; });
}

bool AskChildToClose(QMdiSubWindow* child) {
  QWidget* widget = child->widget();
  if (auto* editor = qobject_cast<TEditForm*>(widget)) return editor->FormCloseQuery();
  if (auto* form = qobject_cast<TPlenzoForm*>(widget)) return form->FormCloseQuery();
  if (auto* table = qobject_cast<TTableForm*>(widget)) return table->FormCloseQuery();
  if (auto* plot = qobject_cast<TPlotForm*>(widget)) return plot->FormCloseQuery();
  // A document window of another class asks in its own close handler, and
  // is closed by it.
  if (IsDocumentKind(KindOfChild(child))) return CloseChildNow(child, false);
  return true;
}

bool CloseChildNow(QMdiSubWindow* child, bool asked) {
  const CommandClose byCommand;
  QPointer<QMdiSubWindow> guard(child);
  QWidget* widget = child->widget();
  bool closed = true;
  if (auto* editor = qobject_cast<TEditForm*>(widget); editor && asked) {
    closed = editor->CloseAnswered();
  } else if (auto* form = qobject_cast<TPlenzoForm*>(widget); form && asked) {
    closed = form->CloseAnswered();
  } else if (auto* table = qobject_cast<TTableForm*>(widget); table && asked) {
    closed = table->CloseAnswered();
  } else if (auto* plot = qobject_cast<TPlotForm*>(widget); plot && asked) {
    closed = plot->CloseAnswered();
  } else if (IsDocumentKind(KindOfChild(child)) && !asked) {
    closed = child->close();
  }
  // Read-only windows are destroyed without their close handlers.
  if (closed) delete guard.data();
  return closed;
}

}  // namespace pm
