// A deck opened through the real main window: the form window's place and
// size in the MDI area.
#include <gtest/gtest.h>

#include <QEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <functional>

#include "formdeck/pagelayout.h"
#include "formdeck/ui/plenzoform.h"
#include "shell/ui/compiling.h"
#include "shellfixture.h"

namespace pm::test {
namespace {

class DocumentOpenTest : public ProgramFolderTest {
 protected:
  // A deck of the geometry fixtures, with the list file they share, opened
  // in the dedicated mode (no Source tab) on a desktop wider than 640.
  TPlenzoForm* Open(const char* deck) {
    const QString from = QStringLiteral(PELMARK_FIXTURES_DIR "/decks/geometry/");
    WriteBytes(folder_ + QStringLiteral("/pumps.lst"), ReadBytes(from + QStringLiteral("pumps.lst")));
    const QString path = folder_ + QLatin1Char('/') + QLatin1String(deck);
    WriteBytes(path, ReadBytes(from + QLatin1String(deck)));
    TOSTRELFORM* main = Begin(QStringLiteral("demo"));
    main->resize(1400, 1000);
    main->show();
    main->ReadaFile(path);
    for (QMdiSubWindow* child : main->MdiArea()->subWindowList()) {
      if (auto* form = qobject_cast<TPlenzoForm*>(child->widget())) return form;
    }
    return nullptr;
  }
};

TEST_F(DocumentOpenTest, TheFormWindowOpensAsWideAsItsContentAtTheTopLeft) {
  // A content width just above 100, one above 320, and none.
  for (const char* deck : {"onefile.pzd", "onelist.pzd", "longlabel.pzd", "nogroups.pzd"}) {
    SCOPED_TRACE(deck);
    TPlenzoForm* form = Open(deck);
    ASSERT_NE(form, nullptr);
    QMdiSubWindow* sub = form->SubWindow();
    ASSERT_NE(sub, nullptr);
    EXPECT_TRUE(sub->isVisible());
    EXPECT_FALSE(sub->isMaximized());
    EXPECT_EQ(sub->pos(), QPoint(0, 0));
    const int W8 = form->WidthOf8;
    const int cw = form->Model().ContentWidth;
    EXPECT_EQ(form->ClientWidth(),
              (CanFitToContent(cw) ? cw : form->WidestShownRight()) + 2 * W8 + 40);
    EXPECT_EQ(form->width(), form->ClientWidth());
    EXPECT_GT(form->width(), 200);
    EXPECT_EQ(sub->height(), form_->MdiArea()->viewport()->height() - 70);
  }
}

// Counts the times a widget is shown.
class ShowCounter final : public QObject {
 public:
  int shows = 0;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Show) ++shows;
    return false;
  }
};

TEST_F(DocumentOpenTest, TheProgressWindowNeverCoversAMessageOfTheParse) {
  struct Case {
    const char* fixture;  // under decks/
    const char* message;  // how the message begins
    bool stops;
  } cases[] = {
      {"broken/group-nested.pzd", "Line 3.  Groups cannot be nested.", true},
      {"inputs/err_nounit.pzd", "****Input Error****", true},
      {"broken/missing-marker.pzd", "File ", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.fixture);
    const QString path = folder_ + QStringLiteral("/deck.pzd");
    WriteBytes(path, ReadBytes(QStringLiteral(PELMARK_FIXTURES_DIR "/decks/") + QLatin1String(c.fixture)));
    TOSTRELFORM* main = Begin(QStringLiteral("demo"));
    main->resize(1400, 1000);
    main->show();
    TCompiling compiling;  // as the main block makes it
    main->Compiling = &compiling;
    ShowCounter counter;
    compiling.installEventFilter(&counter);
    std::vector<bool> shownAtMessage;
    ui_.clear();
    ui_.onMessage = [&](const MessageRequest&) { shownAtMessage.push_back(main->Compiling->isVisible()); };
    main->ReadaFile(path);
    ui_.onMessage = nullptr;
    ASSERT_FALSE(ui_.texts().isEmpty());
    EXPECT_TRUE(ui_.texts().front().startsWith(QLatin1String(c.message))) << ui_.texts().front().toStdString();
    EXPECT_EQ(shownAtMessage, std::vector<bool>(shownAtMessage.size(), false));
    // It was shown for the parse, and again after a message that let it go on.
    EXPECT_EQ(counter.shows, c.stops ? 1 : 2);
    EXPECT_FALSE(main->Compiling->isVisible());
  }
}

TEST_F(DocumentOpenTest, EveryOpeningPathShowsTheSourceOnTheLineAtFault) {
  const QString path = folder_ + QStringLiteral("/nested.pzd");
  WriteBytes(path, ReadBytes(QStringLiteral(PELMARK_FIXTURES_DIR "/decks/broken/group-nested.pzd")));
  const std::function<void(TOSTRELFORM*)> paths[] = {
      [&](TOSTRELFORM* main) { main->EditPlenzo(path, 0); },  // File/Open of a .PZD
      [&](TOSTRELFORM* main) {                                // the command line
        G().SourceMode = 1;
        main->ReadaFile(path);
        main->LoadCommandLineSource(path);
      },
      [&](TOSTRELFORM* main) {  // a recent item
        main->RecentFiles.Add(path);
        main->OpenFileItem(0);
      },
  };
  for (const auto& open : paths) {
    TOSTRELFORM* main = Begin();
    main->resize(1400, 1000);
    main->show();
    open(main);
    TPlenzoForm* form = PlenzoFormInstance();
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(form->HasSourceTab());
    EXPECT_TRUE(form->IsSourceTabCurrent());
    EXPECT_EQ(form->ErrorLine, 3);
    EXPECT_EQ(form->Editor()->textCursor().blockNumber(), 2);
    EXPECT_EQ(form->Editor()->textCursor().selectedText(), QStringLiteral("*|[B|Second"));
    EXPECT_EQ(form->windowTitle(), path);
    ASSERT_NE(form->SubWindow(), nullptr);
    EXPECT_TRUE(form->SubWindow()->windowTitle().contains(QStringLiteral("nested.pzd")));
  }
}

}  // namespace
}  // namespace pm::test
