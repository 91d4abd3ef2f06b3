#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariant>

namespace pm {

// Kinds of MDI child windows (the original's Tag), read by the main
// window's menu logic. A child widget carries its kind as a property.
enum ChildKind : int {
  KindNone = 0,
  KindResultsReport = 123,
  KindTextEditor = 1000,
  KindFormPages = 2000,
  KindFormSource = 2100,
  KindListing = 3000,
  KindLog = 3500,
  KindPlot = 4000,
  KindTable = 5000,
  KindOutputViewer = 6000,
  KindOtherText = 7000,
  KindDiagram = 8000,
};

inline constexpr char kKindProperty[] = "pelmarkKind";

inline int ChildKindOf(const QObject* w) {
  return w ? w->property(kKindProperty).toInt() : KindNone;
}
inline void SetChildKind(QObject* w, int kind) {
  if (w) w->setProperty(kKindProperty, kind);
}

// Program-wide state shared by the subsystems; it lives for the whole run.
struct Globals {
  int RuntimeMode = 0;      // 1: dedicated application, 0: authoring mode
  int SimulateMode = 1;     // 1: Calculate offers a single run, 0: optimization
  int SourceMode = 0;       // the next form window gets a Source tab
  int ParseErrorState = 0;  // 100 after an error while parsing or reading
  bool ShellClosing = false;
  QString ProgramFolder;    // the program's folder, real case, no trailing "/"
  QString ProgramPath;      // argv[0] made absolute, links not resolved
  QStringList AssignFileList;
};

Globals& G();

}  // namespace pm
