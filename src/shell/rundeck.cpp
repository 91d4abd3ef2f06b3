#include "shell/rundeck.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "common/filenames.h"
#include "common/lib1.h"
#include "platform/cp1252.h"
#include "platform/pathresolver.h"
#include "platform/textfile.h"

namespace pm {

namespace {

constexpr std::string_view kFileMarker = "**FILE ";
constexpr std::string_view kIncludeMarker = "**|INCLUDE";

char UpperAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// Markers are upper case; the line is compared as if upper-cased.
bool StartsWithUpper(std::string_view line, std::string_view marker) {
  if (line.size() < marker.size()) return false;
  for (std::size_t i = 0; i < marker.size(); ++i) {
    if (UpperAscii(line[i]) != marker[i]) return false;
  }
  return true;
}

std::size_t FindUpper(std::string_view line, std::string_view marker) {
  for (std::size_t at = 0; at + marker.size() <= line.size(); ++at) {
    if (StartsWithUpper(line.substr(at), marker)) return at;
  }
  return std::string_view::npos;
}

QString AbsoluteName(const QString& name) { return QFileInfo(ResolveUnquoted(name)).absoluteFilePath(); }

}  // namespace

std::string RunDeckName(const std::vector<std::string>& lines) {
  for (const std::string& line : lines) {
    const std::size_t at = FindUpper(line, kFileMarker);
    if (at == std::string_view::npos) continue;
    std::string name = line.substr(at + kFileMarker.size());
    TrimInPlace(name);
    return name;
  }
  return {};
}

std::vector<std::string> RunDeckLines(const std::vector<std::string>& lines, std::string_view onMarker,
                                      std::string_view offMarker) {
  std::vector<std::string> out;
  out.reserve(lines.size());
  bool commenting = false;
  for (const std::string& line : lines) {
    if (StartsWithUpper(line, onMarker)) {
      commenting = true;
    } else if (StartsWithUpper(line, offMarker)) {
      commenting = false;
    }
    if (StartsWithUpper(line, kIncludeMarker)) {
      out.emplace_back("INCLUDE GHP.dck");
    } else {
      out.push_back(commenting ? "*" + line : line);
    }
  }
  return out;
}

std::vector<std::string> BuildingLoadsLines(const std::vector<std::string>& lines) {
  std::vector<std::string> out;
  out.reserve(lines.size());
  for (const std::string& line : lines) {
    out.push_back(FindUpper(line, kIncludeMarker) == std::string_view::npos ? line : "INCLUDE BL.dck");
  }
  return out;
}

QString BuildingLoadsName(const QString& deck) {
  const QString stem = WithoutLastExt(deck);
  return stem + QStringLiteral("_BL") + deck.mid(stem.size());
}

RunDeckResult MakeRunDeck(const QString& deck, std::string_view onMarker, std::string_view offMarker) {
  RunDeckResult result;
  std::vector<std::string> lines;
  if (const int err = ReadTextLines(ResolveUnquoted(deck), &lines); err != 0) {
    result.Message = OpenErrorMessage(err, deck);
    return result;
  }
  const std::string name = RunDeckName(lines);
  if (name.empty()) {
    result.Message = QStringLiteral("File ") + deck + QStringLiteral(" has no **FILE line naming the run deck.");
    return result;
  }
  // The run deck is deleted after the run: it must never be the input.
  const QString target = AbsoluteName(FromCp1252(name));
  if (SameExistingFile(target, ResolveUnquoted(deck))) {
    result.Message = QStringLiteral("The run deck named in the **FILE line is the input deck itself.");
    return result;
  }
  if (const int err = WriteTextLines(target, RunDeckLines(lines, onMarker, offMarker)); err != 0) {
    result.Message = WriteErrorMessage(err, target);
    return result;
  }
  result.Target = target;
  return result;
}

RunDeckResult MakeSingleRunDeck(const QString& deck) { return MakeRunDeck(deck, "*#2", "*#3"); }

RunDeckResult MakeBuildingLoadsDeck(const QString& deck) {
  RunDeckResult result;
  const QString source = ResolveUnquoted(deck);
  std::vector<std::string> lines;
  if (const int err = ReadTextLines(source, &lines); err != 0) {
    result.Message = OpenErrorMessage(err, deck);
    return result;
  }
  const QString target = QFileInfo(BuildingLoadsName(source)).absoluteFilePath();
  if (const int err = WriteTextLines(target, BuildingLoadsLines(lines)); err != 0) {
    result.Message = WriteErrorMessage(err, target);
    return result;
  }
  result.Target = target;
  return result;
}

QString RunResultsFile(const QString& runDeck) {
  return runDeck.left(std::max<qsizetype>(0, runDeck.size() - 4)) + QStringLiteral("-RESULTS.TXT");
}

std::vector<QString> RunCleanupFiles(const QString& runDeck) {
  const QString stem = WithoutLastExt(runDeck);
  return {runDeck, stem + QStringLiteral(".LST"), stem + QStringLiteral(".LOG")};
}

void RemoveRunFiles(const QString& runDeck) {
  for (const QString& name : RunCleanupFiles(runDeck)) RemoveFile(ResolvePath(name));
}

}  // namespace pm
