#include "formdeck/ui/choiceitems.h"

#include "common/colors.h"
#include "common/globals.h"
#include "formdeck/ui/descriptor.h"
#include "formdeck/ui/elementform.h"

namespace pm {

TGCheckBox::TGCheckBox(const QString& caption, QWidget* parent) : QCheckBox(caption, parent) {
  connect(this, &QCheckBox::toggled, this, &TGCheckBox::CheckBoxClicked);
}

void TGCheckBox::CheckBoxClicked() {
  ElementForm* form = FindElementForm(this);
  if (form == nullptr) return;
  for (int i = 0; i < GroupCount(); ++i) form->ShowGroups(GroupNames[i], PlainName[i] == isChecked());
  form->SetChanged();
  update();
}

TGRadioButton::TGRadioButton(const QString& caption, QWidget* parent) : QRadioButton(caption, parent) {
  connect(this, &QRadioButton::toggled, this, [this](bool checked) {
    if (checked) RadioButtonClicked(this);
  });
}

void TGRadioButton::RadioButtonClicked(TGRadioButton* Sender) {
  ElementForm* form = FindElementForm(Sender);
  if (form == nullptr) return;
  for (int i = 0; i < Sender->GroupCount(); ++i) {
    const QString& name = Sender->GroupNames[i];
    const bool shown = Sender->PlainName[i];
    form->ShowGroups(name, shown);
    const bool simulate = shown && name == QLatin1String("Simulate");
    const bool optimize = shown && name == QLatin1String("Optimize");
    if (simulate) G().SimulateMode = 1;
    if (optimize) G().SimulateMode = 0;
    if (simulate || optimize) form->SimulateModeChanged();
  }
  form->SetChanged();
  Sender->update();
}

void SetChoiceChecked(QAbstractButton* item, bool checked) {
  if (item->isChecked() == checked) return;
  // An auto-exclusive item refuses to be unchecked; lift that for the change.
  const bool exclusive = item->autoExclusive();
  if (!checked && exclusive) item->setAutoExclusive(false);
  item->setChecked(checked);
  if (!checked && exclusive) item->setAutoExclusive(true);
}

Tmygroupbox::Tmygroupbox(QWidget* parent) : QGroupBox(parent) {}

void Tmygroupbox::SetBackground(unsigned colour) {
  QPalette p = palette();
  p.setColor(QPalette::Window, ToQColor(colour));
  setPalette(p);
  setAutoFillBackground(true);
}

void Tmygroupbox::paintEvent(QPaintEvent* event) {
  QGroupBox::paintEvent(event);
  DrawLabels(this, event);
}

void Tmygroupbox::mousePressEvent(QMouseEvent* event) {
  if (!LabelTookClick(this, event)) QGroupBox::mousePressEvent(event);
}

}  // namespace pm
