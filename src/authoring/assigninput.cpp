#include "authoring/assigninput.h"

#include <cstdlib>

#include "authoring/componentfile.h"
#include "common/lib1.h"
#include "formdeck/inputmarkup.h"
#include "formdeck/markupkind.h"
#include "formdeck/markuptext.h"
#include "platform/cp1252.h"

namespace pm {

namespace {

bool IsAssign(const std::string& line) { return StartsWith(AsciiUpper(line), "ASSIGN "); }

bool IsLinkLine(const std::string& line) {
  const InputLineKind kind = InputLineKindOf(line);
  return kind == InputLineKind::File || kind == InputLineKind::List;
}

// The statement's text from column 8, trimmed, and its unit (the part
// after the last blank).
void SplitStatement(const std::string& line, std::string* file, std::string* unit) {
  const std::string text = Trimmed(FromColumn(line, 8));
  const size_t blank = text.find_last_of(' ');
  *unit = blank == std::string::npos ? text : text.substr(blank + 1);
  *file = blank == std::string::npos ? std::string() : Trimmed(text.substr(0, blank));
}

bool LinkReadsBack(const std::string& line, AssignLink link) {
  const std::string_view body = WithoutHiddenPrefix(line);
  if (link == AssignLink::OpenFile) {
    FileMarkup markup;
    return InputLineKindOf(line) == InputLineKind::File && ReadFileMarkup(body, &markup);
  }
  ListMarkup markup;
  return InputLineKindOf(line) == InputLineKind::List && ReadListMarkup(body, &markup);
}

}  // namespace

std::vector<AssignStatement> ScanAssignStatements(const SourceLines& lines) {
  std::vector<AssignStatement> statements;
  const int count = lines.Count();
  for (int i = 0; i < count; ++i) {
    const std::string line = lines.Get(i);
    if (!IsAssign(line)) continue;
    AssignStatement s;
    std::string file;
    SplitStatement(line, &file, &s.unit);
    s.index = i + 1 < count && IsLinkLine(lines.Get(i + 1)) ? -(i + 1) : i + 1;
    statements.push_back(std::move(s));
  }
  return statements;
}

bool LoadAssign(const SourceLines& lines, const AssignStatement& statement, AssignFields* fields,
                std::string* badInteger) {
  *fields = AssignFields();
  std::string unit;
  SplitStatement(lines.Get(std::abs(statement.index) - 1), &fields->fileName, &unit);
  fields->fileName = StripQuotes(fields->fileName);
  if (statement.index >= 0) return true;
  const std::string line = lines.Get(-statement.index);
  const std::string_view body = WithoutHiddenPrefix(line);
  fields->prefix = line.substr(0, line.size() - body.size());
  const InputLineKind kind = InputLineKindOf(line);
  if (kind != InputLineKind::File && kind != InputLineKind::List) return true;
  fields->link = kind == InputLineKind::File ? AssignLink::OpenFile : AssignLink::FileReference;
  const int count = kind == InputLineKind::File ? 2 : 5;
  const std::vector<std::string> parts = SplitMarkupFields(body.substr(3), count, &fields->tail);
  fields->description = parts[0];
  std::string help = Trimmed(parts[static_cast<size_t>(count - 1)]);
  if (kind == InputLineKind::List) {
    fields->listFile = parts[1];
    fields->hasListFile = true;
    int* const columns[] = {&fields->displayColumn, &fields->fileColumn};
    for (int i = 0; i < 2; ++i) {
      const std::string t = Trimmed(parts[i + 2]);
      if (!ReadInteger(t, columns[i])) {
        *badInteger = t;
        return false;
      }
    }
  }
  if (!help.empty() && !ReadInteger(help, &fields->help)) {
    *badInteger = help;
    return false;
  }
  return true;
}

std::string AssignStatementLine(const std::string& fileName, const std::string& unit) {
  return "ASSIGN \"" + fileName + "\" " + unit;
}

std::string AssignLinkLine(const AssignFields& f) {
  const std::string description = CleanedLabel(f.description);
  if (f.link == AssignLink::OpenFile)
    return f.prefix + "*|?" + description + "|" + std::to_string(f.help) + f.tail;
  // A rewritten link keeps its own list file: the statement names the file
  // the form's choice writes, not the list of choices.
  const std::string listFile = f.hasListFile ? f.listFile : f.fileName;
  return f.prefix + "*|<" + description + "|" + listFile + "|" + std::to_string(f.displayColumn) + "|" +
         std::to_string(f.fileColumn) + "|" + std::to_string(f.help) + f.tail;
}

AssignField WriteAssign(SourceLines& lines, const AssignStatement& statement, const AssignFields& fields) {
  const int k = std::abs(statement.index);
  if (k == 0 || k > lines.Count()) return AssignField::FileName;
  const std::string name = Trimmed(fields.fileName);
  if (name.empty() || name.find('"') != std::string::npos) return AssignField::FileName;
  const std::string statementLine = AssignStatementLine(fields.fileName, statement.unit);
  AssignValue assign;
  if (!ReadAssignLine(statementLine, &assign)) return AssignField::FileName;
  std::string link;
  if (fields.link != AssignLink::NotLinked) {
    link = AssignLinkLine(fields);
    if (!LinkReadsBack(link, fields.link)) {
      AssignFields probe = fields;
      probe.description = "x";
      return LinkReadsBack(AssignLinkLine(probe), fields.link) ? AssignField::Description
                                                               : AssignField::FileName;
    }
  }
  lines.Put(k - 1, statementLine);
  if (statement.index > 0) {
    if (!link.empty()) lines.Insert(k, link);
  } else if (link.empty()) {
    lines.Delete(k);
  } else {
    lines.Put(k, link);
  }
  return AssignField::None;
}

}  // namespace pm
