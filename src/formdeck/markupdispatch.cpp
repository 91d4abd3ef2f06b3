// The actions of the mark-up lines, by the kind ClassifyMarkupLine gives.
// Its "contains" tests make some text lines commands (a label holding "*|{"
// opens a check-box group): authors must avoid those texts.

#include "common/globals.h"
#include "common/lib1.h"
#include "formdeck/deckparser.h"
#include "formdeck/formbuilder.h"
#include "formdeck/formmodel.h"
#include "formdeck/markupcolor.h"
#include "formdeck/markupkind.h"
#include "formdeck/markuptext.h"
#include "platform/cp1252.h"

namespace pm {

void DeckParser::Dispatch() {
  ParseState& s = state_;
  const std::string& line = s.Line;
  const std::string& u = s.Upper;
  FormSlots& slots = Model().Slots;
  const MarkupKind kind = ClassifyMarkupLine(line);
  const size_t slotColumn = static_cast<size_t>(SlotColumnOf(kind));
  int n = 0;

  switch (kind) {
    case MarkupKind::CheckBoxGroup:
      form_.AddChoiceGroup(*this, TrimLeft(FromColumn(line, 4)), true);
      break;
    case MarkupKind::RadioGroup:
      form_.AddChoiceGroup(*this, TrimLeft(FromColumn(line, 4)), false);
      break;
    case MarkupKind::OpenGroup:
      OpenGroup();
      break;
    case MarkupKind::CloseGroup:
      CloseGroup();
      break;
    case MarkupKind::Font:
      if (!SlotDigit(slotColumn, "123", &n)) return;
      if (!ParseFont(&slots.Font(n), FromColumn(u, 10), s.DeckLineNumber)) ReportMarkupError(line);
      break;
    case MarkupKind::OpenTabWindow:
      OpenTabWindow();
      break;
    case MarkupKind::CloseTabWindow:
      CloseTabWindow();
      break;
    case MarkupKind::Align:
      if (!SlotDigit(slotColumn, "123", &n)) return;
      ParseAlign(Trimmed(FromColumn(u, 11)), &slots.align[static_cast<size_t>(n - 1)]);
      break;
    case MarkupKind::Tab:
      if (!SlotDigit(slotColumn, "0123", &n)) return;
      if (!ParseTabStop(FromColumn(u, 9), n, &slots.tabs[static_cast<size_t>(n)])) ReportMarkupError(line);
      break;
    case MarkupKind::Size: {
      if (!SlotDigit(slotColumn, "123", &n)) return;
      // A size below 1 would make inputs that cannot be seen or typed into.
      int size = 0;
      if (ReadInteger(FromColumn(u, 10), &size) && size >= 1) {
        slots.Font(n).size = size;
      } else {
        ReportMarkupError(line);
      }
      break;
    }
    case MarkupKind::Style:
      if (!SlotDigit(slotColumn, "123", &n)) return;
      slots.Font(n).style = ParseStyle(Trimmed(FromColumn(u, 11)));
      break;
    case MarkupKind::Color: {
      if (!SlotDigit(slotColumn, "123", &n)) return;
      ColorValue colour = 0;
      if (ParseColor(FromColumn(u, 11), &colour, s.DeckLineNumber)) {
        slots.Font(n).color = colour;
      } else {
        Stop(QStringLiteral("***Unrecognized color***   ") + FromCp1252(line));
      }
      break;
    }
    case MarkupKind::AppLink: {
      const char digit = CharAt(line, 11);
      s.AppLinkIndex = digit >= '1' && digit <= '4' ? digit - '0' : 99;
      const std::string rest = FromColumn(line, 11);
      const size_t gt = rest.find('>');
      form_.AddPicture(*this, gt == std::string::npos ? std::string() : TrimLeft(rest.substr(gt + 1)),
                       s.AppLinkIndex);
      break;
    }
    case MarkupKind::Img:
      form_.AddImage(*this, line);
      break;
    case MarkupKind::Picture:
      form_.AddPicture(*this, FromColumn(line, 12), 0);
      break;
    case MarkupKind::TextLine:
      form_.AddTextLine(*this, line);
      break;
    case MarkupKind::Background:
    case MarkupKind::Before:
    case MarkupKind::After:
    case MarkupKind::Before1:
    case MarkupKind::After1:
    case MarkupKind::WindowSize:
      RunFormCommand(kind, line);
      break;
    case MarkupKind::Input:
      if (StartsWith(s.PreviousLine, "*|")) {
        // An input's deck line is the line before its mark-up; a mark-up line
        // there would be overwritten by the write-back.
        ReportElementError(s.PreviousLine, line);
      } else {
        form_.AddElement(*this);
      }
      break;
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

void DeckParser::RunFormCommand(MarkupKind kind, const std::string& line) {
  FormModel& m = Model();
  if (kind == MarkupKind::Background) {
    ColorValue colour = 0;
    if (ParseColor(FromColumn(line, 15), &colour, state_.DeckLineNumber)) {
      m.Background = colour;
    } else {
      ShowMessageKind(QStringLiteral("***Unrecognized color***   ") + FromCp1252(line), 0, true);
    }
    return;
  }
  if (kind == MarkupKind::WindowSize) {
    m.WindowSizeMaximize = true;
    return;
  }
  std::string* target = nullptr;
  bool before = false;
  if (kind == MarkupKind::Before) {
    target = &m.Before;
    before = true;
  } else if (kind == MarkupKind::After) {
    target = &m.After;
  } else if (kind == MarkupKind::Before1) {
    target = &m.Before1;
    before = true;
  } else if (kind == MarkupKind::After1) {
    target = &m.After1;
  }
  if (!target) return;
  // Kept as written: file names in the command are case-sensitive here.
  const std::string written = FromColumn(line, 3);
  *target = Trimmed(written.substr(written.find('>') + 1));
  if (state_.GroupOpen) form_.StoreGroupCommand(state_.OpenGroup, before, *target);
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
