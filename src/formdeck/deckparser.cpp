#include "formdeck/deckparser.h"

#include <QDir>
#include <QFileInfo>

#include "common/globals.h"
#include "common/lib1.h"
#include "formdeck/assignfiles.h"
#include "formdeck/formbuilder.h"
#include "formdeck/formhost.h"
#include "formdeck/formmodel.h"
#include "formdeck/markuptext.h"
#include "formdeck/progresshidingui.h"
#include "platform/cp1252.h"
#include "platform/uiservice.h"

namespace pm {

DeckParser::DeckParser(FormBuilder& form, ParseProgress* progress) : form_(form), progress_(progress) {}

FormModel& DeckParser::Model() { return form_.Model(); }

void DeckParser::ParseDeck(const QString& fileName) {
  fileName_ = fileName;
  G().AssignFileList.clear();
  // A parse starts from an empty form with the creation defaults, also when
  // the window is parsed again after the Source tab.
  form_.DisposeContent();
  form_.RemoveTabWindows();
  Model().ResetForParse();
  state_ = ParseState();
  progressHiddenForMessage_ = false;
  errorLine_ = 0;
  int messageLine = 0;
  const ProgressHidingUi messages(progress_, &progressHiddenForMessage_, &state_.DeckLineNumber, &messageLine);
  if (progress_) {
    progress_->ForceNextUpdate();
    progress_->Show();
    progress_->Update(0);
  }
  Model().MaximizeForm = CheckMarkerLine(fileName);
  timer_.start();
  if (!OpenDeck()) {
    Model().ParseFailed = true;
    return;
  }
  G().ParseErrorState = 0;
  while (!reader_.AtEnd() && G().ParseErrorState == 0) {
    std::string line;
    ReadDeckLine(&line);
    ParseState& s = state_;
    s.Line = std::move(line);
    s.Upper = AsciiUpper(s.Line);
    s.Visible = true;
    if (!s.GroupOpen) form_.UsePageAsContainer(s.CurrentPage);
    if (StartsWith(s.Line, "*|#")) {
      s.Line = FromColumn(s.Line, 4);
      s.Upper = AsciiUpper(s.Line);
      s.Visible = false;
    }
    // A choice group reads lines of its own; the line in hand keeps its number.
    const int lineNumber = s.DeckLineNumber;
    if (StartsWith(s.Line, "*|")) Dispatch();
    if (!s.Line.empty()) {
      s.PreviousLine = s.Line;
      s.PreviousLineNumber = lineNumber;
    }
  }
  FinishParse();
  Model().ParseFailed = G().ParseErrorState != 0;
  // The message that stopped the parse came last.
  if (!Model().ParseFailed) {
    errorLine_ = 0;
  } else if (errorLine_ == 0) {
    errorLine_ = messageLine;
  }
}

bool DeckParser::OpenDeck() {
  // Resolved before the folder changes, so a relative name still finds it.
  const QString path = QFileInfo(ResolveUnquoted(fileName_)).absoluteFilePath();
  QDir::setCurrent(QFileInfo(path).absolutePath());
  FormModel& m = Model();
  m.DeckLines.clear();
  m.DeckLinesHeld = false;
  int err = reader_.Open(path);
  if (err != 0) {
    ShowMessageKind(QStringLiteral("Error ") + QString::number(err) + QStringLiteral(".  Cannot open file ") +
                        fileName_ + QLatin1Char('.'),
                    0, true);
    err = reader_.Open(path);
  }
  if (err == 0) {
    m.DeckLines = reader_.Lines();
    m.DeckLinesHeld = true;
    return true;
  }
  // Nothing was read: the form must not be shown as if the deck were empty.
  G().ParseErrorState = 100;
  HideProgress();
  return false;
}

void DeckParser::FinishParse() {
  reader_.Close();
  if (G().ParseErrorState > 0) {
    HideProgress();
    return;
  }
  if (state_.GroupOpen) {
    if (state_.OpenGroup) errorLine_ = state_.OpenGroup->lineNumber;
    ShowMessageKind(QStringLiteral("This file is missing a group close command."), 0, false);
    G().ParseErrorState = 100;
    HideProgress();
    return;
  }
  if (progress_) {
    progress_->ForceNextUpdate();
    progress_->Update(0);
  }
  FormModel& m = Model();
  m.LayingOut = true;
  form_.FinishForm(*this);
  for (int i = 0; i <= m.HighestPage && i < kPageCount; ++i) {
    if (form_.HasPage(i)) form_.LayoutPage(*this, i);
  }
  m.LayingOut = false;
  HideProgress();
  m.ParseTimeMs = timer_.elapsed();
  form_.SetScrollBar(0);
  form_.ClearModify();
  if (form_.HasSourceTab() && form_.TabCount() == 1) form_.AddTab(QStringLiteral("Main"));
}

void DeckParser::HideProgress() {
  if (progress_) progress_->Hide();
}

bool DeckParser::ReadDeckLine(std::string* line) {
  if (!reader_.Next(line)) return false;
  AddAssignFile(fileName_, *line);
  ++state_.DeckLineNumber;
  // A message that let the parse go on took the progress window away.
  if (progress_ && progressHiddenForMessage_ && G().ParseErrorState == 0) {
    progressHiddenForMessage_ = false;
    progress_->ForceNextUpdate();
    progress_->Show();
  }
  if (progress_ && progress_->IsShown()) progress_->Update(state_.DeckLineNumber);
  return true;
}

TFormElement* DeckParser::NewElement(ElementKind kind, int lineNumber, TFormElement** previous) {
  ParseState& s = state_;
  TFormElement* e = Model().Elements.Create(s.CurrentPage, Model().Slots.tabs);
  e->kind = kind;
  e->lineNumber = lineNumber;
  if (kind == ElementKind::VisualGroup) {
    e->inGroup = true;
  } else if (s.GroupOpen && kind != ElementKind::CheckBoxGroup && kind != ElementKind::RadioGroup) {
    e->inGroup = true;
    e->group = s.OpenGroup;
    if (s.OpenGroup) e->groupBox = s.OpenGroup->groupBox;
  }
  if (previous) *previous = s.LastElement;
  if (!s.LastElement) s.CurrentY = 10;
  Model().Elements.LinkOnPage(e, s.LastElement);
  s.LastElement = e;
  return e;
}

void DeckParser::Stop(const QString& message, bool beep) {
  ShowMessageKind(message, 0, beep);
  G().ParseErrorState = 100;
  reader_.Close();
}

void DeckParser::ReportMarkupError(std::string_view line) {
  Stop(QStringLiteral("***Input Error***   ") + FromCp1252(line));
}

void DeckParser::ReportElementError(std::string_view deckLine, std::string_view markupLine) {
  Stop(QStringLiteral("****Input Error****\n") + FromCp1252(deckLine) + QLatin1Char('\n') +
       FromCp1252(markupLine));
}

}  // namespace pm
