#pragma once

#include <QString>
#include <string>
#include <string_view>
#include <vector>

namespace pm {

// A list file: a first line with the number of rows n, then up to n rows
// whose columns are separated by "," or a tab. Rows are kept as bytes.
struct ListFileRows {
  int error = 0;          // errno of a failed read (2: missing), 0 when read
  bool badCount = false;  // the first line is no integer
  std::vector<std::string> rows;
  bool ok() const { return error == 0 && !badCount; }
};

// Reads at most n rows and stops at the end of the file; n < 0 reads none.
// The name may carry one pair of double quotes; it is resolved without
// regard to case.
ListFileRows ReadListFile(const QString& fileName);

// The message for a list file that could not be read, empty when it was:
// "File <name> was not found" (error 2), "Error #<code>", or the row-count
// message.
QString ListFileMessage(const QString& fileName, const ListFileRows& list);

// Column k (from 1) of a row: k times, trim the rest and cut it at the
// first "," or tab. Runs of separators between trimmed columns collapse
// (tab-aligned files). The column keeps trailing blanks; callers trim.
std::string GetListColumn(std::string_view row, int k);
// GetListColumn without trailing blanks: the text a list shows and matches.
std::string ListColumnText(std::string_view row, int k);

// Index of the first row whose key column (trailing blanks removed) equals
// KeyText without regard to case, or, with KeyText empty, reads as a number
// equal to KeyNumber. -1 when no row matches.
int FindListRow(const std::vector<std::string>& rows, int KeyColumn, std::string_view KeyText,
                long double KeyNumber);

// Finds a row of a list file. A file that cannot be read shows its message
// (kind 0, beep) and returns false with nothing changed. No match: Row -1
// and ResultText unchanged, so the caller keeps its own value.
bool LookupListFile(const QString& FileName, int ResultColumn, int KeyColumn, std::string* ResultText,
                    int* Row, std::string* KeyText, long double KeyNumber);

void TrimTrailing(std::string& s);

}  // namespace pm
