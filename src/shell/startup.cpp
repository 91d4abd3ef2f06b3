#include "shell/startup.h"

#include "platform/pathresolver.h"
#include "platform/programidentity.h"

namespace pm {

namespace {
QString g_title;
}  // namespace

StartupOpen PlanStartupOpen(const QString& argument, int runtimeMode, const QString& programPath) {
  StartupOpen plan;
  if (!argument.isEmpty()) {
    if (ResolvedFileExists(argument)) {
      plan.action = StartupOpen::OpenFile;
      plan.path = ResolvePath(argument);
      plan.sourceMode = runtimeMode == 0;
    } else if (runtimeMode != 0) {
      plan.action = StartupOpen::OpenDialog;
    }
    return plan;
  }
  if (runtimeMode == 0) return plan;
  if (const QString index = FindStartupFile(programPath, QStringLiteral(".IDX")); !index.isEmpty()) {
    plan.action = StartupOpen::OpenIndex;
    plan.path = index;
  } else if (const QString deck = FindStartupFile(programPath, QStringLiteral(".PZD")); !deck.isEmpty()) {
    plan.action = StartupOpen::OpenFile;
    plan.path = deck;
  } else {
    plan.action = StartupOpen::OpenDialog;
  }
  return plan;
}

QString ApplicationTitle() { return g_title; }

void SetApplicationTitle(const QString& title) { g_title = title; }

}  // namespace pm
