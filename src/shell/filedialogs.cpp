#include "shell/filedialogs.h"

#include <QStringList>

#include "common/globals.h"
#include "platform/pathresolver.h"

namespace pm {

namespace {

struct FilterRow {
  const char* name;
  const char* ext;  // without the dot; empty: every file
};

constexpr FilterRow kOpenFilters[] = {
    {"Quorvel files", "DCK"},      {"Plenzo files", "PZD"},       {"Index files", "IDX"},
    {"FORTRAN files", "FOR"},      {"Mivaro Plot files", "KPL"},  {"Diagram Bitmap files", "BMP"},
    {"Diagram Meta files", "WMF"}, {"Mivaro table files", "TBL"}, {"All files", ""},
};

constexpr FilterRow kSaveFilters[] = {
    {"Quorvel files", "DCK"},     {"Plenzo files", "PZD"},      {"Savrel file", "DEK"},
    {"FORTRAN file", "FOR"},      {"Mivaro Plot file", "KPL"},  {"Diagram Bitmap file", "BMP"},
    {"Diagram Meta file", "WMF"}, {"Mivaro table file", "TBL"}, {"All files", ""},
};

// Native dialogs match case-sensitively: both cases are listed.
QString FilterText(const FilterRow& row) {
  const QString ext = QLatin1String(row.ext);
  const QString patterns = ext.isEmpty() ? QStringLiteral("*")
                                         : QStringLiteral("*.") + ext + QStringLiteral(" *.") + ext.toLower();
  return QLatin1String(row.name) + QStringLiteral(" (") + patterns + QLatin1Char(')');
}

template <size_t N>
QString JoinFilters(const FilterRow (&rows)[N]) {
  QStringList parts;
  for (const FilterRow& row : rows) parts << FilterText(row);
  return parts.join(QStringLiteral(";;"));
}

template <size_t N>
QString FilterAt(const FilterRow (&rows)[N], int index) {
  if (index < 1 || index > static_cast<int>(N)) index = static_cast<int>(N);
  return FilterText(rows[index - 1]);
}

}  // namespace

const std::vector<SaveAsEntry>& SaveAsTable() {
  static const std::vector<SaveAsEntry> table = {
      {1, QStringLiteral(".DCK"), KindTextEditor},
      {2, QStringLiteral(".PZD"), KindFormPages},
      {3, QStringLiteral(".DEK"), KindTextEditor},
      {4, QStringLiteral(".FOR"), KindOtherText},
      {5, QStringLiteral(".KPL"), KindPlot},
      {6, QStringLiteral(".BMP"), KindNone},
      {7, QStringLiteral(".WMF"), KindNone},
      {8, QStringLiteral(".TBL"), KindTable},
      {9, QString(), KindNone},
      {10, QStringLiteral(".TXT"), KindOtherText},
  };
  return table;
}

const SaveAsEntry* FindSaveAsEntry(const QString& ext) {
  for (const SaveAsEntry& entry : SaveAsTable()) {
    if (entry.ext == ext) return &entry;
  }
  return nullptr;
}

int EditorKindForSavedName(const QString& name) {
  const SaveAsEntry* entry = FindSaveAsEntry(ExtensionKey(name));
  return entry && entry->kind == KindTextEditor ? KindTextEditor : KindOtherText;
}

int EditorKindForOpenedName(const QString& name) {
  return ExtensionKey(name) == QLatin1String(".DCK") ? KindTextEditor : KindOtherText;
}

QString DefaultSaveExtension(int kind) {
  switch (kind) {
    case KindTextEditor:
    case KindOtherText:
      return QStringLiteral("DCK");
    case KindFormSource:
      return QStringLiteral("PZD");
    case KindPlot:
      return QStringLiteral("KPL");
    default:
      return {};
  }
}

QString OpenDialogFilter() { return JoinFilters(kOpenFilters); }
QString OpenFilterEntry(int index) { return FilterAt(kOpenFilters, index); }
QString RuntimeOpenFilter() { return FilterText(kOpenFilters[1]); }
QString SaveDialogFilter() { return JoinFilters(kSaveFilters); }
QString SaveFilterEntry(int index) { return FilterAt(kSaveFilters, index); }

}  // namespace pm
