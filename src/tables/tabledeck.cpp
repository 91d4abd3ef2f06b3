#include "tables/tabledeck.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cmath>
#include <limits>

#include "common/deckwords.h"
#include "common/filenames.h"
#include "platform/cp1252.h"
#include "platform/pathresolver.h"
#include "platform/textfile.h"
#include "tables/tablefile.h"

namespace pm {

namespace {

constexpr size_t kVarNameMatchLength = 20;
constexpr long double kLargestRunValue = 1e20L;
constexpr long double kReadBackTolerance = 1e-12L;
constexpr int kFewestDecimals = 5;
constexpr int kMostDecimals = 12;

bool ReadsBack(const std::string& text, long double value) {
  long double back = 0;
  if (!TextToNumber(text, &back)) return false;
  return std::fabs(back - value) <= kReadBackTolerance * std::fabs(value);
}

std::string TrimmedCopy(std::string text) {
  TrimInPlace(text);
  return text;
}

QString Absolute(const QString& name) { return QDir::cleanPath(QDir::current().absoluteFilePath(name)); }

}  // namespace

bool UndefinedRunValue(long double value) { return std::isnan(value) || std::fabs(value) > kLargestRunValue; }

std::string RunValueText(TNumberFormat format, long double value) {
  std::string text = FormatNumber(format, value);
  for (int decimals = kFewestDecimals; !ReadsBack(text, value) && decimals <= kMostDecimals; ++decimals) {
    text = FormatNumber(TNumberFormat{kAutomaticFormat, static_cast<std::int16_t>(decimals)}, value);
  }
  return text;
}

QString RunDeckFileName(const QString& deck, int run) {
  const QString file = deck.mid(deck.lastIndexOf(QLatin1Char('/')) + 1);
  const qsizetype dot = file.lastIndexOf(QLatin1Char('.'));
  const QString ext = dot < 0 ? QString() : file.mid(dot, 4);
  return ChangeExt(deck, QString::number(run) + ext);
}

RunDeckLines::RunDeckLines(std::vector<std::string> lines, std::string_view baseName,
                           const std::vector<std::string>& varNames)
    : lines_(std::move(lines)) {
  names_.reserve(varNames.size());
  for (size_t k = 0; k < varNames.size(); ++k) {
    std::string name = TrimmedCopy(varNames[k]).substr(0, kVarNameMatchLength);
    // An empty name occurs nowhere, so it never matches.
    if (!name.empty()) lastColumn_[name] = static_cast<int>(k);
    names_.push_back(std::move(name));
  }
  const std::string baseDot = AsciiUpper(baseName) + '.';
  work_.resize(lines_.size());
  for (size_t i = 0; i < lines_.size(); ++i) {
    const std::string upper = AsciiUpper(lines_[i]);
    LineWork& w = work_[i];
    if (upper.starts_with("ASS")) {
      const size_t at = upper.find(baseDot);
      if (at != std::string::npos && at >= 4) w.assignAt = at + baseName.size();
    }
    const size_t eq = upper.find('=');
    if (eq == std::string::npos || eq < 1) continue;
    if (w.assignAt != std::string::npos && w.assignAt <= eq) {
      w.keyHoldsRun = true;
      std::string key = upper.substr(0, eq);
      key.insert(w.assignAt, "1");
      keysOfRunOne_.insert(TrimmedCopy(std::move(key)));
    } else {
      std::string key = TrimmedCopy(upper.substr(0, eq));
      w.column = ColumnOfKey(key);
      keysOfRunOne_.insert(std::move(key));
    }
  }
}

int RunDeckLines::ColumnOfKey(std::string key) const {
  const auto found = lastColumn_.find(key);
  return found == lastColumn_.end() ? -1 : found->second;
}

int RunDeckLines::ColumnOf(size_t line, std::string_view runText) const {
  const LineWork& w = work_[line];
  if (!w.keyHoldsRun) return w.column;
  std::string key = AsciiUpper(lines_[line]);
  key.insert(w.assignAt, runText);
  key.resize(key.find('='));
  return ColumnOfKey(TrimmedCopy(std::move(key)));
}

int RunDeckLines::UnmatchedColumn() const {
  for (size_t k = 0; k < names_.size(); ++k) {
    if (names_[k].empty() || !keysOfRunOne_.contains(names_[k])) return static_cast<int>(k) + 1;
  }
  return 0;
}

void RunDeckLines::AppendDeck(std::string_view runText, const std::vector<std::string>& values,
                              std::string* out) const {
  for (size_t i = 0; i < lines_.size(); ++i) {
    const std::string& line = lines_[i];
    const int column = ColumnOf(i, runText);
    if (column >= 0) {
      out->append(names_[static_cast<size_t>(column)])
          .append(1, '=')
          .append(values[static_cast<size_t>(column)]);
    } else if (work_[i].assignAt != std::string::npos) {
      out->append(line, 0, work_[i].assignAt).append(runText).append(line, work_[i].assignAt);
    } else {
      out->append(line);
    }
    out->append("\r\n");
  }
}

namespace {

// The names of the table's own run decks by absolute path; a bare name lies
// beside the deck. Case variants are kept apart for a same-file test.
class OwnRunDecks {
 public:
  OwnRunDecks(const TableModel& table, const QString& deckFolder) {
    for (int r = 1; r < static_cast<int>(table.RunDeckNames.size()); ++r) {
      const QString name = CleanPathText(table.RunDeckName(r));
      if (name.isEmpty()) continue;
      const QString absolute = QDir::cleanPath(QDir(deckFolder).absoluteFilePath(name));
      byKey_[absolute.toLower()].push_back(absolute);
    }
  }
  bool Holds(const QString& target) const {
    const auto found = byKey_.find(target.toLower());
    if (found == byKey_.end()) return false;
    for (const QString& own : found->second) {
      if (own == target || SameExistingFile(own, target)) return true;
    }
    return false;
  }

 private:
  std::unordered_map<QString, std::vector<QString>> byKey_;
};

bool Fail(TableDeckFailure* failure, const QString& message, int kind = 0) {
  failure->Message = message;
  failure->Kind = kind;
  return false;
}

// A plain create, write and close, each checked: run decks are throw-away
// files, so no temporary file and no sync.
bool WriteRunDeck(const QString& name, const std::string& bytes) {
  QFile file(name);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
  const bool written =
      file.write(bytes.data(), static_cast<qint64>(bytes.size())) == static_cast<qint64>(bytes.size());
  file.close();
  return written && file.error() == QFileDevice::NoError;
}

}  // namespace

bool WriteTableDecks(TableModel& table, TableDeckFailure* failure) {
  const int runs = table.RunCount();
  if (runs < 1) return true;
  const QString deck = Absolute(ResolveUnquoted(table.DeckFileName));
  std::vector<std::string> lines;
  if (table.DeckFileName.trimmed().isEmpty() || !QFileInfo(deck).isFile() ||
      ReadTextLines(deck, &lines) != 0) {
    return Fail(failure, TableDeckMissingMessage(table.DeckFileName), 1);
  }
  const QFileInfo deckInfo(deck);
  const QString base = deckInfo.fileName().section(QLatin1Char('.'), 0, 0);
  std::vector<std::string> varNames;
  varNames.reserve(table.TableColumns.size());
  for (const TTableColumn& column : table.TableColumns) varNames.push_back(column.VarName);
  const RunDeckLines work(std::move(lines), ToCp1252(base), varNames);
  if (const int k = work.UnmatchedColumn(); k != 0) {
    return Fail(failure,
                FormatIntArgs(QStringLiteral("Parameter in the col #%d was not found in the deck"), {k}));
  }

  std::vector<QString> names(static_cast<size_t>(runs) + 1);
  const OwnRunDecks own(table, deckInfo.absolutePath());
  for (int r = 1; r <= runs; ++r) {
    QString& name = names[static_cast<size_t>(r)];
    name = RunDeckFileName(deck, r);
    const QFileInfo target(name);
    if ((target.exists() || target.isSymLink()) && !own.Holds(name)) {
      return Fail(failure, QStringLiteral("The run deck ") + name +
                               QStringLiteral(" already exists and belongs to no run of this table."));
    }
  }

  std::vector<std::string> values(table.TableColumns.size());
  std::string bytes;
  for (int r = 1; r <= runs; ++r) {
    for (size_t k = 0; k < table.TableColumns.size(); ++k) {
      const TTableColumn& column = table.TableColumns[k];
      const long double value = static_cast<size_t>(r) < column.Values.size()
                                    ? column.Values[static_cast<size_t>(r)]
                                    : std::numeric_limits<long double>::quiet_NaN();
      if (UndefinedRunValue(value)) {
        return Fail(failure, FormatIntArgs(QStringLiteral("Parameter in the col #%d, run #%d isn't defined"),
                                           {static_cast<std::int32_t>(k) + 1, r}));
      }
      values[k] = RunValueText(column.Format, value);
    }
    const QString& name = names[static_cast<size_t>(r)];
    table.SetRunDeckName(r, name);
    bytes.clear();
    work.AppendDeck(std::to_string(r), values, &bytes);
    if (!WriteRunDeck(name, bytes)) return Fail(failure, QStringLiteral("Error writing table file ") + name);
  }
  return true;
}

}  // namespace pm
