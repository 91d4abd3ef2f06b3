#pragma once

#include <QCheckBox>
#include <QGroupBox>
#include <QList>
#include <QRadioButton>
#include <QStringList>
#include <string>

class QAbstractButton;

namespace pm {

struct TFormElement;

// The group names of a choice item, in order; a name written with a leading
// "_" is stored without it and hides its group (PlainName false).
struct ChoiceGroupNames {
  QStringList GroupNames;
  QList<bool> PlainName;
  int GroupCount() const { return static_cast<int>(GroupNames.size()); }
  void AddGroupName(const QString& name, bool plain) {
    GroupNames.append(name);
    PlainName.append(plain);
  }
};

// A check box that shows its plain groups and hides its "_" groups while it
// is checked, and the reverse while it is not. The handler runs on every
// change of state, also one made from code.
class TGCheckBox : public QCheckBox, public ChoiceGroupNames {
  Q_OBJECT
 public:
  TGCheckBox(const QString& caption, QWidget* parent);
  void CheckBoxClicked();
};

// A radio item that, when it becomes checked, shows its plain groups and
// hides its "_" groups; "Simulate" and "Optimize" set SimulateMode.
class TGRadioButton : public QRadioButton, public ChoiceGroupNames {
  Q_OBJECT
 public:
  TGRadioButton(const QString& caption, QWidget* parent);
  // Sender is the item whose names count (the form may pass another item
  // of the group than the one checked).
  void RadioButtonClicked(TGRadioButton* Sender);

  bool CheckedMark = false;  // "//checked": the deck's saved choice
};

// Sets the state of a check box or radio item from code. The item's handler
// runs (through its toggled signal) exactly when a user's change would run
// it; a radio item can be unchecked too. Runs no handler itself.
void SetChoiceChecked(QAbstractButton* item, bool checked);

// A framed box: a visual group, or the box of a check-box or radio group.
// It paints nothing of its own.
class Tmygroupbox : public QGroupBox {
  Q_OBJECT
 public:
  explicit Tmygroupbox(QWidget* parent);

  QList<QAbstractButton*> Items;  // the group's check boxes or radio items
  QString GroupName;
  std::string BeforeCommand;  // as written in the deck
  std::string AfterCommand;
  TFormElement* FirstElement = nullptr;
  int StoredTop = 0;
  // The shown flag: false for a visual group whose opener came with "*|#".
  // The box itself starts visible; only the click handlers hide it.
  bool Shown = true;

  // The box's own background colour (0x00BBGGRR).
  void SetBackground(unsigned colour);

 protected:
  // The box draws the labels in it, and passes them their right clicks.
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
};

}  // namespace pm
