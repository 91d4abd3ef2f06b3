#pragma once

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <memory>
#include <ostream>

#include "common/globals.h"
#include "common/settings.h"
#include "fakehost.h"
#include "formdeck/ui/formpage.h"
#include "formdeck/ui/plenzoform.h"
#include "platform/textfile.h"
#include "support/scriptedui.h"
#include "support/testfiles.h"

// Readable QStrings in test failures.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace pm::test {

// A value input on the main page that holds text and has the focus.
inline FakeInput* FocusedInput(TPlenzoForm& form, const QString& text) {
  auto* input = new FakeInput(21, 0, form.Page(0)->Content());
  input->setText(text);
  input->show();
  input->setFocus();
  return input;
}

// A form window with a fake host and the scripted dialog service, and the
// shared state as a fresh program has it. A parse makes the deck's folder
// current: the folder and the unit system come back at the end.
class FormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    G().ParseErrorState = 0;
    G().AssignFileList.clear();
    startFolder_ = QDir::currentPath();
    savedUnits_ = DefaultSettings().UnitSystem;
    form = std::make_unique<TPlenzoForm>(&host);
    form->resize(640, 480);
  }
  void TearDown() override {
    form.reset();
    G().ParseErrorState = 0;
    QDir::setCurrent(startFolder_);
    DefaultSettings().UnitSystem = savedUnits_;
  }

  // Tabs Main and Pumps (pages 0 and 1), with a Source tab first if asked.
  void MakeTwoPages(bool withSource) {
    form->ClearTabs();
    if (withSource) form->AddSourceTab();
    form->AddTab(QStringLiteral("Main"));
    form->AddTab(QStringLiteral("Pumps"));
    form->CreatePage(1);
  }

  ScriptedUi ui;
  FakeHost host;
  std::unique_ptr<TPlenzoForm> form;

 private:
  QString startFolder_;
  int savedUnits_ = 0;
};

}  // namespace pm::test
