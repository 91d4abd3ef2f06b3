#pragma once

#include <string>
#include <vector>

#include "authoring/markuplines.h"

namespace pm {

// An ASSIGN statement of the Source lines: its unit, and k when the
// statement at line k - 1 has no link line, -k when line k is its link (a
// file or list input line after it).
struct AssignStatement {
  std::string unit;
  int index = 0;
};
std::vector<AssignStatement> ScanAssignStatements(const SourceLines& lines);

enum class AssignLink { NotLinked, OpenFile, FileReference };

// The fields of a statement and its link line. listFile is the link's own
// list-file field, kept when a file-reference link is rewritten; prefix and
// tail as for ValueFields.
struct AssignFields {
  std::string fileName;  // without its enclosing double quotes
  AssignLink link = AssignLink::NotLinked;
  std::string description;
  std::string listFile;
  bool hasListFile = false;
  int displayColumn = 0;
  int fileColumn = 0;
  int help = 0;
  std::string prefix;
  std::string tail;
};

// False, with badInteger set, for a column or help number that is no
// integer (an empty help number reads 0).
bool LoadAssign(const SourceLines& lines, const AssignStatement& statement, AssignFields* fields,
                std::string* badInteger);

enum class AssignField { None, FileName, Description };

// Rewrites the statement and writes, replaces or deletes its link line;
// nothing when the file name is empty or a line would not read back as what
// it stands for (the field at fault is returned).
AssignField WriteAssign(SourceLines& lines, const AssignStatement& statement, const AssignFields& fields);

std::string AssignStatementLine(const std::string& fileName, const std::string& unit);
std::string AssignLinkLine(const AssignFields& fields);

}  // namespace pm
