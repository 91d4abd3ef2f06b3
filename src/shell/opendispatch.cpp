#include "shell/opendispatch.h"

#include <QFileInfo>

#include "common/globals.h"
#include "common/lib1.h"
#include "platform/cp1252.h"
#include "platform/textfile.h"

namespace pm {

namespace {

bool Is(const QString& ext, const char* key) { return ext == QLatin1String(key); }

OpenTarget TargetByExtension(const QString& ext, bool withSource) {
  if ((Is(ext, ".DCK") || Is(ext, ".DEK")) && !withSource) return OpenTarget::PlainDeck;
  if (Is(ext, ".PZD") || Is(ext, ".PZX") || withSource) return OpenTarget::FormDeck;
  if (Is(ext, ".KPL")) return OpenTarget::Plot;
  if (Is(ext, ".BMP") || Is(ext, ".DGM")) return OpenTarget::Diagram;
  if (Is(ext, ".TBL")) return OpenTarget::Table;
  if (Is(ext, ".PLT")) return OpenTarget::PlotData;
  if (Is(ext, ".LST")) return OpenTarget::Listing;
  if (Is(ext, ".LOG")) return OpenTarget::Log;
  return OpenTarget::TextEditor;
}

}  // namespace

OpenDecision DecideOpen(const QString& path, const QString& ext, bool markerFound, int runtimeMode) {
  OpenDecision decision;
  const bool pzd = Is(ext, ".PZD");
  if (markerFound && runtimeMode == 0) {
    if (!pzd) {
      decision.messages.push_back(
          {QStringLiteral("File ") + path +
               QStringLiteral(" contains a *PLENZO comment line indicating that it is a Plenzo file. ") +
               QStringLiteral("Please change the filename extension to .PZD."),
           1, true});
    }
    decision.withSource = true;
  }
  if (runtimeMode != 0 && !pzd) {
    decision.target = OpenTarget::Refused;
    decision.messages.push_back({NotPlenzoFileMessage(path), 0, true});
    return decision;
  }
  decision.target = TargetByExtension(ext, decision.withSource);
  return decision;
}

std::vector<int> DocumentKindsReplacedBy(OpenTarget target) {
  // The plot and table windows belong to the deck opened before: opening a
  // deck replaces them (GetPLTFile, GetTBLFile).
  switch (target) {
    case OpenTarget::PlainDeck:
      return {KindTextEditor, KindPlot, KindTable};
    case OpenTarget::FormDeck:
      return {KindFormPages, KindPlot, KindTable};
    case OpenTarget::Table:
      return {KindTable};
    case OpenTarget::PlotData:
      return {KindPlot};
    default:
      return {};
  }
}

bool KindWithin(int kind, int K) { return kind >= K - 100 && kind <= K + 100; }

bool HasWholeMarkerLine(const QString& path) {
  std::vector<std::string> lines;
  if (ReadTextLines(ResolveUnquoted(path), &lines) != 0) return false;
  for (size_t i = 0; i < lines.size() && i < 5; ++i) {
    if (AsciiUpper(lines[i]) == "*PLENZO") return true;
  }
  return false;
}

QString WorkingCopyPathFor(const QString& deck) {
  const QFileInfo info(ResolveUnquoted(deck));
  const QString copy = info.absolutePath() + QStringLiteral("/~temp.pzd");
  return copy == info.absoluteFilePath() ? QString() : copy;
}

QString NotPlenzoFileMessage(const QString& path) { return path + QStringLiteral(" is not a Plenzo file."); }

QString NoLongerExistsMessage(const QString& path) { return path + QStringLiteral(" no longer exists"); }

QString ReadErrorMessage(int code, const QString& path) {
  return OpenErrorMessage(code, path);
}

}  // namespace pm
