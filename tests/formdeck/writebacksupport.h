#pragma once

#include <QDir>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>
#include <string>
#include <vector>

#include "common/settings.h"
#include "formdeck/ui/fileinputs.h"
#include "formdeck/ui/input.h"
#include "formtestsupport.h"
#include "platform/textfile.h"
#include "support/testpaths.h"

namespace pm::test {

inline QString FixtureDeckFolder(const char* folder) {
  return QStringLiteral(PELMARK_FIXTURES_DIR "/decks/") + QLatin1String(folder);
}

// The files of a folder (not its sub-folders) copied into another, over
// the files of the same names.
inline void CopyFolderFiles(const QString& from, const QString& to) {
  QDir().mkpath(to);
  const QDir source(from);
  for (const QString& name : source.entryList(QDir::Files | QDir::Hidden)) {
    const QString target = QDir(to).filePath(name);
    QFile::remove(target);
    ASSERT_TRUE(QFile::copy(source.filePath(name), target)) << name.toStdString();
    QFile::setPermissions(target, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
  }
}

inline std::vector<std::string> FileLines(const QString& path) { return SplitLines(ReadBytes(path)); }

// Replaces an input's text as the user would type it.
inline void Type(QLineEdit* input, const QString& text) {
  input->selectAll();
  if (text.isEmpty()) {
    QTest::keyClick(input, Qt::Key_Delete);
  } else {
    QTest::keyClicks(input, text);
  }
}

// A form opened on a copy of a fixture folder, so that saves touch nothing
// of the source tree.
class DeckCopyTest : public FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    ASSERT_TRUE(dir_.isValid());
    folder_ = dir_.path();
  }

  QString Path(const QString& name) const { return folder_ + QLatin1Char('/') + name; }
  // Later copies go to a fresh sub-folder.
  void UseSubFolder(const QString& name) {
    folder_ = dir_.filePath(name);
    QDir().mkpath(folder_);
  }

  // Copies the fixture folder and opens its deck in the unit system given.
  void Open(const char* folder, const char* deck = "deck.pzd", int units = 1) {
    CopyFolderFiles(FixtureDeckFolder(folder), folder_);
    Reopen(deck, units);
  }
  void Reopen(const char* deck = "deck.pzd", int units = 1) {
    DefaultSettings().UnitSystem = units;
    form = std::make_unique<TPlenzoForm>(&host);
    form->resize(640, 480);
    form->ClearTabs();
    form->ReadDeck(Path(QLatin1String(deck)));
    ASSERT_EQ(G().ParseErrorState, 0) << ui.texts().join(QLatin1Char('\n')).toStdString();
  }

  // The first element whose name (as written before "=") is name.
  TFormElement* Element(const char* name) const {
    for (TFormElement* e = form->Model().Elements.Oldest(); e; e = e->newer)
      if (e->name == name) return e;
    ADD_FAILURE() << "no element " << name;
    return nullptr;
  }
  TInput* Input(const char* name) const {
    TFormElement* e = Element(name);
    return e ? dynamic_cast<TInput*>(e->valueInput) : nullptr;
  }
  TFileInput* List(const char* name) const {
    TFormElement* e = Element(name);
    return e ? dynamic_cast<TFileInput*>(e->listInput) : nullptr;
  }
  // The line of the saved deck, from 1.
  std::string SavedLine(int n, const char* deck = "deck.pzd") const {
    const std::vector<std::string> lines = FileLines(Path(QLatin1String(deck)));
    return n >= 1 && static_cast<size_t>(n) <= lines.size() ? lines[n - 1] : std::string("<none>");
  }

  QTemporaryDir dir_;
  QString folder_;  // the copy's folder
};

// The form in an MDI sub-window of an area, as the shell shows it. The
// sub-window owns the form: it goes first.
class MdiFormTest : public DeckCopyTest {
 protected:
  void TearDown() override {
    if (form && form->SubWindow()) {
      delete form->SubWindow();
      (void)form.release();
    }
    DeckCopyTest::TearDown();
  }

  QMdiArea area;
};

}  // namespace pm::test
