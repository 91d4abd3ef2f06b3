#pragma once

#include <QString>
#include <vector>

namespace pm {

// A message as the shell shows it through ShowMessageKind.
struct ShellMessage {
  QString text;
  int kind = 1;
  bool beep = true;
  friend bool operator==(const ShellMessage&, const ShellMessage&) = default;
};

// Where the file dispatcher (ReadaFile) sends a file.
enum class OpenTarget {
  Refused,     // dedicated mode, no ".PZD": the program ends
  PlainDeck,   // text editor holding the input deck
  FormDeck,    // form window
  Plot,        // ".KPL"
  Diagram,     // ".BMP", ".DGM"
  Table,       // ".TBL"
  PlotData,    // ".PLT"
  Listing,     // ".LST"
  Log,         // ".LOG"
  TextEditor,  // any other file
};

struct OpenDecision {
  OpenTarget target = OpenTarget::TextEditor;
  bool withSource = false;             // the form window gets a Source tab
  std::vector<ShellMessage> messages;  // shown before anything opens
};

// The dispatch of one file by its extension key (".PZD"), whether one of its
// first five lines holds "*PLENZO" in any case, and the run mode. Only the
// extension decides in dedicated mode; the marker gives the Source tab in
// authoring mode.
OpenDecision DecideOpen(const QString& path, const QString& ext, bool markerFound, int runtimeMode);

// The document kinds whose windows opening this target replaces (each one
// is asked to close first); read-only output windows go without a question.
std::vector<int> DocumentKindsReplacedBy(OpenTarget target);

// A child of kind `kind` counts as kind K when it lies within 100 of it
// (2000 covers the form window on its Source tab, 2100).
bool KindWithin(int kind, int K);

// EditPlenzo's stricter test: one of the first five lines is "*PLENZO" as a
// whole, in any case. An unreadable file has none.
bool HasWholeMarkerLine(const QString& path);

// The working copy of a deck: "~temp.pzd" beside the deck itself; empty for
// a deck that is itself named so (its copy would be the deck).
QString WorkingCopyPathFor(const QString& deck);

QString NotPlenzoFileMessage(const QString& path);
QString NoLongerExistsMessage(const QString& path);
QString ReadErrorMessage(int code, const QString& path);

}  // namespace pm
