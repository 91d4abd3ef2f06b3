#pragma once

#include <QElapsedTimer>
#include <QString>
#include <string>
#include <string_view>

#include "formdeck/deckreader.h"
#include "formdeck/formelement.h"
#include "formdeck/markupkind.h"

namespace pm {

class FormBuilder;
class ParseProgress;
struct FormModel;

// The state of one parse; every parse starts from a fresh one.
struct ParseState {
  int DeckLineNumber = 0;    // lines read so far: the number of the line in hand
  int CurrentPage = 0;       // the page being filled
  std::string Line;          // the line in hand, without a "*|#" prefix
  std::string Upper;         // its ASCII upper case
  bool Visible = true;       // false when the line came with "*|#"
  std::string PreviousLine;  // the deck line of the next input
  int PreviousLineNumber = 0;
  int ElementCounter = 0;
  TFormElement* LastElement = nullptr;      // of the current page
  TFormElement* MainLastElement = nullptr;  // of page 0 while a tab window is open
  int AppLinkIndex = 0;
  int CurrentY = 0;
  bool GroupOpen = false;
  TFormElement* OpenGroup = nullptr;
  std::string OpenTabName;
};

// Reads a deck line by line into a form: the marker line, ASSIGN files,
// every mark-up command in its fixed order, and every parse message. The
// first error sets ParseErrorState to 100 and ends the parse.
class DeckParser {
 public:
  DeckParser(FormBuilder& form, ParseProgress* progress);

  void ParseDeck(const QString& fileName);
  // The deck line at fault after a parse that a message stopped, else 0.
  int ErrorLine() const { return errorLine_; }
  // A builder that reports an error found after the line in hand names
  // the line at fault itself.
  void SetErrorLine(int line) { errorLine_ = line; }

  // For the element builders.
  ParseState& State() { return state_; }
  FormModel& Model();
  // The next deck line: counted, shown on the progress window and passed to
  // AddAssignFile. False at the end of the deck.
  bool ReadDeckLine(std::string* line);
  // A record linked into the all-elements chain and after the page's last
  // element (the page's first: CurrentY := 10); previous gets that last element.
  TFormElement* NewElement(ElementKind kind, int lineNumber, TFormElement** previous = nullptr);

  // Messages that stop the parse: kind 0, ParseErrorState 100, deck closed.
  void ReportMarkupError(std::string_view line);
  void ReportElementError(std::string_view deckLine, std::string_view markupLine);
  void Stop(const QString& message, bool beep = true);

 private:
  // Mark-up commands.
  void Dispatch();
  void RunFormCommand(MarkupKind kind, const std::string& line);
  bool OpenDeck();
  void FinishParse();
  void HideProgress();
  void OpenGroup();
  void CloseGroup();
  void OpenTabWindow();
  void CloseTabWindow();
  void ContinueFlowOnPage(int page);
  // The slot digit at a column; a digit outside the set is reported.
  bool SlotDigit(size_t column, std::string_view digits, int* slot);

  FormBuilder& form_;
  ParseProgress* progress_;
  bool progressHiddenForMessage_ = false;
  int errorLine_ = 0;
  DeckReader reader_;
  ParseState state_;
  QString fileName_;
  QElapsedTimer timer_;
};

}  // namespace pm
