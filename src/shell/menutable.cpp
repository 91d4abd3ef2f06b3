#include "shell/menutable.h"

#include "common/globals.h"
#include "platform/pathresolver.h"

namespace pm {

namespace {

// Columns: text windows (1000, 2100, 7000), form pages (2000), viewers
// (3000, 3500, 6000, 123), plot (4000), table (5000). -1 keeps the item, 2 marks
// the deck-extension rule.
enum Column { kText, kForm, kViewer, kPlot, kTable, kColumns };
constexpr int kKeep = -1;
constexpr int kExt = 2;

struct Row {
  const char* item;
  int cell[kColumns];
};

constexpr Row kRows[] = {
    {"Find1", {1, 0, 1, 0, 0}},
    {"Replace1", {1, 0, 0, 0, 0}},
    {"SearchAgain1", {1, 0, 1, 0, 1}},
    {"Copy1", {1, 1, 1, 1, 1}},
    {"Cut1", {1, 1, 0, 0, 1}},
    {"Undo1", {1, 0, 0, 0, 0}},
    {"Paste1", {1, 1, 0, 0, 1}},
    {"NewTable1", {kExt, 1, 0, 0, 0}},
    {"Calculate1", {kExt, 1, 0, 0, 0}},
    {"RunTable1", {0, 0, 0, 0, 1}},
    {"AlterTable1", {0, 0, 0, kKeep, 1}},
    {"InsertDeleteRuns1", {0, 0, 0, kKeep, 1}},
    {"InsertDeleteVars1", {0, 0, 0, kKeep, 1}},
    {"ModifyPlot1", {0, 0, 0, 1, 1}},
    {"OverlayPlot1", {0, 0, 0, 1, 0}},
};

int columnForKind(int kind) {
  switch (kind) {
    case KindTextEditor:
    case KindFormSource:
    case KindOtherText:
      return kText;
    case KindFormPages:
      return kForm;
    case KindListing:
    case KindLog:
    case KindOutputViewer:
    case KindResultsReport:  // a viewer too: Find and Copy, nothing that edits
      return kViewer;
    case KindPlot:
      return kPlot;
    case KindTable:
      return kTable;
    default:
      return -1;
  }
}

}  // namespace

bool IsDeckExtension(const QString& fileName) {
  const QString ext = ExtensionKey(fileName);
  return ext == QLatin1String(".DCK") || ext == QLatin1String(".PZD") || ext == QLatin1String(".D15") ||
         ext == QLatin1String(".D16");
}

std::vector<MenuItemState> MenuStatesForKind(int kind, const QString& fileName) {
  std::vector<MenuItemState> states;
  const int column = columnForKind(kind);
  if (column < 0) return states;
  for (const Row& row : kRows) {
    const int cell = row.cell[column];
    if (cell == kKeep) continue;
    const bool on = cell == kExt ? (kind == KindFormSource || IsDeckExtension(fileName)) : cell == 1;
    states.push_back({row.item, on});
  }
  return states;
}

}  // namespace pm
