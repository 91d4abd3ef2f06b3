#include "formdeck/listfile.h"

#include "common/lib1.h"
#include "formdeck/inputtext.h"
#include "formdeck/markuptext.h"
#include "platform/textfile.h"

namespace pm {

ListFileRows ReadListFile(const QString& fileName) {
  ListFileRows list;
  std::vector<std::string> lines;
  list.error = ReadTextLines(ResolveUnquoted(fileName), &lines);
  if (list.error != 0) return list;
  int n = 0;
  if (lines.empty() || !ReadInteger(lines.front(), &n)) {
    list.badCount = true;
    return list;
  }
  // The count is only an upper bound: a file shorter than it ends the list.
  for (size_t i = 1; n > 0 && i < lines.size() && list.rows.size() < static_cast<size_t>(n); ++i)
    list.rows.push_back(lines[i]);
  return list;
}

QString ListFileMessage(const QString& fileName, const ListFileRows& list) {
  if (list.error == 2) return QStringLiteral("File ") + fileName + QStringLiteral(" was not found");
  if (list.error != 0) return ErrorNumberText(list.error);
  if (list.badCount)
    return QStringLiteral("File ") + fileName + QStringLiteral(" does not start with the number of rows");
  return {};
}

std::string GetListColumn(std::string_view row, int k) {
  std::string rest(row);
  std::string column;
  for (int i = 0; i < k; ++i) {
    TrimInPlace(rest);
    const size_t cut = rest.find_first_of(",\t");
    if (cut == std::string::npos) {
      column = rest;
      rest.clear();
    } else {
      column = rest.substr(0, cut);
      rest.erase(0, cut + 1);
    }
  }
  return column;
}

std::string ListColumnText(std::string_view row, int k) {
  std::string column = GetListColumn(row, k);
  TrimTrailing(column);
  return column;
}

void TrimTrailing(std::string& s) {
  size_t e = s.size();
  while (e > 0 && static_cast<unsigned char>(s[e - 1]) <= 32) --e;
  s.resize(e);
}

int FindListRow(const std::vector<std::string>& rows, int KeyColumn, std::string_view KeyText,
                long double KeyNumber) {
  std::string keyText(KeyText);
  TrimTrailing(keyText);
  for (size_t i = 0; i < rows.size(); ++i) {
    const std::string key = ListColumnText(rows[i], KeyColumn);
    if (!keyText.empty()) {
      if (SameTextNoCase(key, keyText)) return static_cast<int>(i);
    } else {
      int errorPos = 0;
      const long double v = TextToNumberDot(key, &errorPos);
      if (errorPos == 0 && v == KeyNumber) return static_cast<int>(i);
    }
  }
  return -1;
}

bool LookupListFile(const QString& FileName, int ResultColumn, int KeyColumn, std::string* ResultText,
                    int* Row, std::string* KeyText, long double KeyNumber) {
  const ListFileRows list = ReadListFile(FileName);
  TrimTrailing(*KeyText);
  if (!list.ok()) {
    ShowMessageKind(ListFileMessage(FileName, list), 0, true);
    return false;
  }
  *Row = FindListRow(list.rows, KeyColumn, *KeyText, KeyNumber);
  if (*Row >= 0) *ResultText = GetListColumn(list.rows[static_cast<size_t>(*Row)], ResultColumn);
  return true;
}

}  // namespace pm
