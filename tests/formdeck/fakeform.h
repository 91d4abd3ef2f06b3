#pragma once

#include "formdeck/ui/elementform.h"

#include <QStringList>
#include <QWidget>

namespace pm::test {

// A window standing in for the form window: it records what the controls
// ask of their form.
class FakeForm : public QWidget, public ElementForm {
 public:
  FakeForm() { resize(600, 400); }

  bool SourceTabShown() const override { return sourceShown; }
  void SetChanged() override { ++changed; }
  void ShowGroups(const QString& Name, bool Show) override {
    groupCalls << (Name + (Show ? QStringLiteral(":show") : QStringLiteral(":hide")));
  }
  bool ShowTabNamed(const QString& Name) override {
    tabCalls << Name;
    return tabs.contains(Name, Qt::CaseInsensitive);
  }
  void LabelRightClicked(TDescriptor*) override { ++rightClicks; }
  int UnitSystem() const override { return units; }
  void CloseResultsReport() override { ++resultsClosed; }

  bool sourceShown = false;
  int units = 1;
  int changed = 0;
  int rightClicks = 0;
  int resultsClosed = 0;
  QStringList groupCalls;
  QStringList tabCalls;
  QStringList tabs;
};

}  // namespace pm::test
