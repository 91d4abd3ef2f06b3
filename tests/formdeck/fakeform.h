#pragma once

#include <QDir>
#include <QStringList>
#include <QWidget>

#include "common/settings.h"
#include "formdeck/ui/elementform.h"

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

// Records the command lines that would run, for as long as it lives; the
// current folder and link paths a test changes come back afterwards too.
class RecordedRuns {
 public:
  RecordedRuns()
      : saved_(formServices().RunProgram),
        savedFolder_(QDir::currentPath()),
        savedLinks_(DefaultSettings().AppLinkPaths) {
    formServices().RunProgram = [this](const QString& command) {
      commands << command;
      return true;
    };
  }
  ~RecordedRuns() {
    formServices().RunProgram = saved_;
    QDir::setCurrent(savedFolder_);
    DefaultSettings().AppLinkPaths = savedLinks_;
  }
  RecordedRuns(const RecordedRuns&) = delete;
  RecordedRuns& operator=(const RecordedRuns&) = delete;

  QStringList commands;

 private:
  std::function<bool(const QString&)> saved_;
  QString savedFolder_;
  decltype(DefaultSettingsRecord::AppLinkPaths) savedLinks_;
};

}  // namespace pm::test
