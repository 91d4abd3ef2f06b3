#pragma once

#include <QLineEdit>
#include <QObject>
#include <QPointer>
#include <vector>

#include "common/globals.h"
#include "formdeck/formhost.h"
#include "formdeck/ui/formcontrol.h"

namespace pm::test {

// Records what a form window asks of the main window.
class FakeHost final : public FormHost {
 public:
  void UpdateMenu() override { kindsAtUpdate.push_back(ChildKindOf(active ? active.data() : nullptr)); }
  void SetActiveChild(QObject* child) override { active = child; }
  void CloseResultsReport() override { ++resultsClosed; }
  void ShowHelpContext(int contextId) override { helpContexts.push_back(contextId); }
  ParseProgress* Progress() override { return progress; }
  void SetUndoEnabled(bool enabled) override { undoEnabled = enabled; }
  void ClearInputModified() override { ++inputModifiedCleared; }

  QPointer<QObject> active;
  std::vector<int> kindsAtUpdate;  // the active child's kind at each UpdateMenu
  std::vector<int> helpContexts;
  ParseProgress* progress = nullptr;
  int resultsClosed = 0;
  bool undoEnabled = false;
  int inputModifiedCleared = 0;
};

// A value input as the element controls will make it: its check fails while
// its text is not a number.
class FakeInput final : public QLineEdit, public FormControl {
 public:
  FakeInput(int tag, int helpId, QWidget* parent) : QLineEdit(parent), tag_(tag), helpId_(helpId) {}
  int ControlTag() const override { return tag_; }
  int ControlHelpId() const override { return helpId_; }
  void ExitV() override {
    ++checks;
    bool ok = false;
    text().toInt(&ok);
    if (!ok) G().ParseErrorState = 100;
  }
  int checks = 0;

 private:
  int tag_;
  int helpId_;
};

}  // namespace pm::test
