#pragma once

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <array>
#include <string>
#include <vector>

#include "common/globals.h"
#include "formdeck/deckparser.h"
#include "formdeck/formbuilder.h"
#include "support/scriptedui.h"

namespace pm::test {

// The form as the parse sees it, without any window: tabs are names, pages
// are flags.
class HeadlessForm final : public FormBuilder {
 public:
  FormModel& Model() override { return model; }
  void DisposeContent() override {
    ++disposed;
    model.Elements.Clear();
  }
  void RemoveTabWindows() override {
    tabs.resize(source ? 1 : 0);
    pages.fill(false);
    pages[0] = true;
  }
  bool HasSourceTab() const override { return source; }
  int TabCount() const override { return static_cast<int>(tabs.size()); }
  int FindTab(const QString& name) const override {
    for (size_t i = 0; i < tabs.size(); ++i) {
      if (tabs[i].compare(name, Qt::CaseInsensitive) == 0) return static_cast<int>(i);
    }
    return -1;
  }
  int AddTab(const QString& name) override {
    tabs.push_back(name);
    return TabCount() - 1;
  }
  bool HasPage(int index) const override {
    return index >= 0 && index < kPageCount && pages[static_cast<size_t>(index)];
  }
  void CreatePage(int index) override { pages[static_cast<size_t>(index)] = true; }
  void UsePageAsContainer(int index) override { container = index; }
  void SetScrollBar(int) override {}
  void StoreGroupCommand(TFormElement* group, bool before, const std::string& command) override {
    groupCommands.push_back({group ? group->name : std::string(), before, command});
  }

  struct GroupCommand {
    std::string group;
    bool before;
    std::string command;
  };
  FormModel model;
  std::vector<QString> tabs;
  std::array<bool, kPageCount> pages{true};
  bool source = false;
  int container = 0;
  int disposed = 0;
  std::vector<GroupCommand> groupCommands;
};

// Writes deck text into a temporary folder and parses it headless.
class GrammarTest : public ::testing::Test {
 protected:
  void SetUp() override {
    G().ParseErrorState = 0;
    startFolder = QDir::currentPath();
  }
  void TearDown() override {
    QDir::setCurrent(startFolder);
    G().ParseErrorState = 0;
  }
  QString Write(const std::string& text, const QString& name = QStringLiteral("deck.pzd")) {
    const QString file = dir.filePath(name);
    QFile f(file);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(text.data(), static_cast<qint64>(text.size()));
    return file;
  }
  // Parses the lines after a marker line.
  void Parse(const std::string& body, const QString& name = QStringLiteral("deck.pzd")) {
    path = Write("*PLENZO\n" + body, name);
    DeckParser(form, nullptr).ParseDeck(path);
  }
  std::vector<TFormElement*> Page(int page) const { return form.model.Elements.OnPage(page); }

  QTemporaryDir dir;
  QString path;
  QString startFolder;
  ScriptedUi ui;
  HeadlessForm form;
};

}  // namespace pm::test
