// The dispatch of a mark-up line: the tests run in a fixed order and the
// first that holds wins. Tests on the line use it as written, tests on U its
// upper case. The "contains" tests make some text lines commands (a label
// holding "*|{" opens a check-box group): authors must avoid those texts.
#include <algorithm>

#include "common/globals.h"
#include "common/lib1.h"
#include "formdeck/deckparser.h"
#include "formdeck/formbuilder.h"
#include "formdeck/formmodel.h"
#include "formdeck/markupcolor.h"
#include "formdeck/markuptext.h"
#include "platform/cp1252.h"

namespace pm {

void DeckParser::Dispatch() {
  ParseState& s = state_;
  const std::string& line = s.Line;
  const std::string& u = s.Upper;
  FormSlots& slots = Model().Slots;
  const bool f = Contains(line, ">");  // the line holds arguments
  int n = 0;

  if (Contains(line, "*|{")) {
    form_.AddChoiceGroup(*this, TrimLeft(FromColumn(line, 4)), true);
  } else if (Contains(line, "*|(")) {
    form_.AddChoiceGroup(*this, TrimLeft(FromColumn(line, 4)), false);
  } else if (Contains(line, "*|[")) {
    OpenGroup();
  } else if (StartsWith(line, "*|]") || line.substr(std::min<size_t>(3, line.size()), 3) == "*|]") {
    CloseGroup();
  } else if (Contains(u, "*|<FONT") && f) {
    if (!SlotDigit(8, "123", &n)) return;
    if (!ParseFont(&slots.Font(n), FromColumn(u, 10), s.DeckLineNumber)) ReportMarkupError(line);
  } else if (Contains(u, "*|<TABWINDOW")) {
    OpenTabWindow();
  } else if (Contains(u, "*|</TABWINDOW")) {
    CloseTabWindow();
  } else if (Contains(u, "*|<ALIGN") && f) {
    if (!SlotDigit(9, "123", &n)) return;
    ParseAlign(Trimmed(FromColumn(u, 11)), &slots.align[static_cast<size_t>(n - 1)]);
  } else if (Contains(u, "*|<TAB") && f) {
    if (!SlotDigit(7, "0123", &n)) return;
    if (!ParseTabStop(FromColumn(u, 9), n, &slots.tabs[static_cast<size_t>(n)])) ReportMarkupError(line);
  } else if (Contains(u, "*|<SIZE") && f) {
    if (!SlotDigit(8, "123", &n)) return;
    // A size below 1 would make inputs that cannot be seen or typed into.
    int size = 0;
    if (ReadInteger(FromColumn(u, 10), &size) && size >= 1) {
      slots.Font(n).size = size;
    } else {
      ReportMarkupError(line);
    }
  } else if (Contains(u, "*|<STYLE") && f) {
    if (!SlotDigit(9, "123", &n)) return;
    slots.Font(n).style = ParseStyle(Trimmed(FromColumn(u, 11)));
  } else if (Contains(u, "*|<COLOR") && f) {
    if (!SlotDigit(9, "123", &n)) return;
    ColorValue colour = 0;
    if (ParseColor(FromColumn(u, 11), &colour, s.DeckLineNumber)) {
      slots.Font(n).color = colour;
    } else {
      Stop(QStringLiteral("***Unrecognized color***   ") + FromCp1252(line));
    }
  } else if (StartsWith(u, "*|<APPLINK") && f) {
    const char digit = CharAt(line, 11);
    s.AppLinkIndex = digit >= '1' && digit <= '4' ? digit - '0' : 99;
    const std::string rest = FromColumn(line, 11);
    const size_t gt = rest.find('>');
    form_.AddPicture(*this, gt == std::string::npos ? std::string() : TrimLeft(rest.substr(gt + 1)),
                     s.AppLinkIndex);
  } else if (StartsWith(u, "*|<IMG ")) {
    form_.AddImage(*this, line);
  } else if (StartsWith(u, "*|<PICTURE>")) {
    form_.AddPicture(*this, FromColumn(line, 12), 0);
  } else if (CharAt(line, 3) == '*') {
    form_.AddTextLine(*this, line);
  } else if (ParseFormCommand(line)) {
    // done
  } else if (StartsWith(s.PreviousLine, "*|")) {
    // An input's deck line is the line before its mark-up; a mark-up line
    // there would be overwritten by the write-back.
    ReportElementError(s.PreviousLine, line);
  } else {
    form_.AddElement(*this);
  }
}

bool DeckParser::SlotDigit(size_t column, std::string_view digits, int* slot) {
  const char c = CharAt(state_.Line, column);
  if (c == '\0' || !Contains(digits, std::string_view(&c, 1))) {
    ReportMarkupError(state_.Line);
    return false;
  }
  *slot = c - '0';
  return true;
}

bool DeckParser::ParseFormCommand(const std::string& line) {
  const std::string c = AsciiUpper(FromColumn(line, 3));
  FormModel& m = Model();
  if (StartsWith(c, "<BACKGROUND>")) {
    ColorValue colour = 0;
    if (ParseColor(FromColumn(line, 15), &colour, state_.DeckLineNumber)) {
      m.Background = colour;
    } else {
      ShowMessageKind(QStringLiteral("***Unrecognized color***   ") + FromCp1252(line), 0, true);
    }
    return true;
  }
  std::string* target = nullptr;
  bool before = false;
  if (StartsWith(c, "<BEFORE>")) {
    target = &m.Before;
    before = true;
  } else if (StartsWith(c, "<AFTER>")) {
    target = &m.After;
  } else if (StartsWith(c, "<BEFORE1>")) {
    target = &m.Before1;
    before = true;
  } else if (StartsWith(c, "<AFTER1>")) {
    target = &m.After1;
  }
  if (target) {
    // Kept as written: file names in the command are case-sensitive here.
    const std::string written = FromColumn(line, 3);
    *target = Trimmed(written.substr(written.find('>') + 1));
    if (state_.GroupOpen) form_.StoreGroupCommand(state_.OpenGroup, before, *target);
    return true;
  }
  if (StartsWith(c, "<WINDOWSIZE")) {
    m.WindowSizeMaximize = true;
    return true;
  }
  return false;
}

void DeckParser::OpenGroup() {
  ParseState& s = state_;
  if (s.GroupOpen) {
    Stop(QStringLiteral("Line ") + QString::number(s.DeckLineNumber) +
         QStringLiteral(".  Groups cannot be nested."));
    return;
  }
  s.GroupOpen = true;
  std::string text = TrimLeft(FromColumn(s.Line, 4));
  if (!text.empty() && text.back() == '|') text.pop_back();
  form_.AddGroup(*this, text, s.Visible);
}

void DeckParser::CloseGroup() {
  ParseState& s = state_;
  if (!s.GroupOpen) {
    Stop(QStringLiteral("Line ") + QString::number(s.DeckLineNumber) +
         QStringLiteral(".  Group close command encountered with no open group."));
    return;
  }
  s.GroupOpen = false;
  form_.UsePageAsContainer(s.CurrentPage);
  form_.CloseGroup(*this, s.OpenGroup);
  s.OpenGroup = nullptr;
}

void DeckParser::OpenTabWindow() {
  ParseState& s = state_;
  if (s.GroupOpen) {
    Stop(QStringLiteral("The *|<TabWindow> command can not be placed within a group"));
    return;
  }
  if (!s.OpenTabName.empty()) {
    Stop(QStringLiteral("Tab windows cannot be nested.  Tab window ") + FromCp1252(s.OpenTabName) +
         QStringLiteral(" has not been closed"));
    return;
  }
  const size_t at = s.Upper.find("NAME=");
  const std::string rest = at == std::string::npos ? std::string() : TrimLeft(s.Line.substr(at + 5));
  const size_t close = rest.empty() || rest.front() != '"' ? std::string::npos : rest.find('"', 1);
  const std::string name = close == std::string::npos ? std::string() : rest.substr(1, close - 1);
  // "Source" is the deck text's own tab.
  if (Trimmed(name).empty() || AsciiUpper(Trimmed(name)) == "SOURCE") {
    ReportMarkupError(s.Line);
    return;
  }
  if (s.CurrentPage == 0) s.MainLastElement = s.LastElement;
  const int base = form_.HasSourceTab() ? 1 : 0;
  if (form_.TabCount() == base) form_.AddTab(QStringLiteral("Main"));
  const QString tabName = FromCp1252(name);
  int tab = form_.FindTab(tabName);
  if (tab < 0) {
    if (form_.TabCount() - base >= kPageCount) {
      ReportMarkupError(s.Line);
      return;
    }
    tab = form_.AddTab(tabName);
  }
  const int page = tab - base;
  if (page < 0 || page >= kPageCount) {
    ReportMarkupError(s.Line);
    return;
  }
  if (!form_.HasPage(page)) form_.CreatePage(page);
  s.OpenTabName = name;
  FormModel& m = Model();
  m.HighestPage = std::max(m.HighestPage, page);
  form_.UsePageAsContainer(page);
  s.CurrentPage = page;
  // A page opened again continues its own chain below its last element.
  ContinueFlowOnPage(page);
}

void DeckParser::CloseTabWindow() {
  ParseState& s = state_;
  if (s.GroupOpen) {
    Stop(QStringLiteral("The *|</TabWindow> command can not be placed within a group"));
    return;
  }
  if (s.OpenTabName.empty()) {
    Stop(QStringLiteral("The *|</TabWindow> command is misplaced as there is not an open tab window"));
    return;
  }
  s.CurrentPage = 0;
  s.OpenTabName.clear();
  form_.UsePageAsContainer(0);
  s.LastElement = s.MainLastElement;
  ContinueFlowOnPage(0);
}

void DeckParser::ContinueFlowOnPage(int page) {
  ParseState& s = state_;
  s.LastElement = nullptr;
  for (TFormElement* e = Model().Elements.First(page); e; e = e->nextOnPage) {
    s.LastElement = e;
    s.CurrentY = form_.FlowBottom(*e, s.CurrentY);
  }
}

}  // namespace pm
