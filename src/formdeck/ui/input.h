#pragma once

#include <QLineEdit>

#include "common/lib1.h"
#include "formdeck/ui/formcontrol.h"

namespace pm {

// A numeric input, or the free-text input of a text line. Values are SI;
// shown = (SI + Offset) x Factor in inch-pound units.
class TInput : public QLineEdit, public FormControl {
  Q_OBJECT
 public:
  explicit TInput(QWidget* parent);

  bool Tracked = false;  // the value counts for change tracking
  int HelpId = 0;
  bool IsNumeric = false;
  long double Value = 0;  // SI, at full precision
  // The text last shown for Value. A text the user typed that differs from
  // it is read again; an untouched value keeps its precision.
  QString ValueText;
  long double Min = 0;
  long double Max = 0;
  long double Offset = 0;
  long double Factor = 1;
  int MaxTextLength = 0;  // length of the maximum's text
  TNumberFormat Format;

  // Checks the typed text as the input loses the focus. On a failure the
  // message is shown once, ParseErrorState is 100, and the focus and the
  // selection come back to this input.
  void ExitV() override;
  // The message of the check for the text as typed, in the unit system
  // given; empty when the text passes.
  QString CheckMessage(int unitSystem) const;
  int ControlTag() const override { return 21; }
  int ControlHelpId() const override { return HelpId; }

  // The edit's maximum length; 0 means no limit, as in the original.
  void SetMaxLength(int length);
  // The free text of a text line may not hold "|", the mark-up's separator.
  void RejectBars();

 protected:
  void focusOutEvent(QFocusEvent* event) override;

 private:
  void refocusLater();
};

}  // namespace pm
