#include "platform/help.h"

#include "platform/ui/helpviewer.h"
#include "support/fakehelp.h"
#include "support/testfiles.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace pm {
namespace {

class HelpTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    UnloadHelpControl();
  }
  void TearDown() override { UnloadHelpControl(); }
  void makeHelpFolder() {
    const QString help = dir_.path() + QStringLiteral("/help");
    test::WriteBytes(help + QStringLiteral("/index.html"), "<html><title>Main</title></html>");
    test::WriteBytes(help + QStringLiteral("/pumps.html"), "<html>pumps</html>");
    test::WriteBytes(help + QStringLiteral("/edge.html"), "<html>edge</html>");
    test::WriteBytes(help + QStringLiteral("/context.map"),
                     "# ids\r\n120=pumps.html\n9998 = edge.html\r\n1=missing.html\n");
  }

  QTemporaryDir dir_;
  test::FakeHelp fake_;
};

TEST_F(HelpTest, ContextMapSkipsWhatIsNoMapping) {
  const QHash<int, QString> map =
      ParseContextMap("120=pumps.html\r\nnoise\n\nx=bad.html\n7=\n120=second.html\n 5 = five.html \r");
  EXPECT_EQ(map.size(), 2);
  EXPECT_EQ(map.value(120), QStringLiteral("pumps.html"));
  EXPECT_EQ(map.value(5), QStringLiteral("five.html"));
}

TEST_F(HelpTest, ContextIdsWithinTheBoundShowTheirPageOthersTheMainTopic) {
  makeHelpFolder();
  LoadHelpControl(dir_.path());
  struct Case {
    int id;
    int bound;
    const char* page;
  } cases[] = {
      {120, 9999, "pumps.html"},  {9998, 9999, "edge.html"},  {9998, 9998, "index.html"},
      {9999, 9999, "index.html"}, {0, 9999, "index.html"},    {-3, 9999, "index.html"},
      {77, 9999, "index.html"},   {1, 9999, "index.html"},  // mapped to a page that is missing
  };
  for (const Case& c : cases) {
    fake_.shown.clear();
    ShowContextHelp(c.id, c.bound);
    EXPECT_EQ(fake_.shown, QStringList{QLatin1String(c.page)}) << c.id << " < " << c.bound;
  }
}

TEST_F(HelpTest, MissingFolderShowsNothingSilently) {
  LoadHelpControl(dir_.path());
  EXPECT_TRUE(HelpFolder().isEmpty());
  EXPECT_FALSE(HtmlHelpTopic());
  ShowContextHelp(120, 9999);
  EXPECT_TRUE(fake_.shown.isEmpty());
}

TEST_F(HelpTest, UnloadClosesTheViewerOnceAndLoadIsRepeatable) {
  makeHelpFolder();
  LoadHelpControl(dir_.path());
  LoadHelpControl(dir_.path());
  EXPECT_TRUE(HtmlHelpTopic());
  UnloadHelpControl();
  UnloadHelpControl();
  EXPECT_EQ(fake_.closed, 1);
  EXPECT_FALSE(HtmlHelpTopic());
}

TEST(HelpViewerTest, ShowsThePageInTheProgramsOwnWindowAndClosesIt) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString page = dir.path() + QStringLiteral("/index.html");
  test::WriteBytes(page, "<html><head><title>Pelmark topics</title></head><body>Main</body></html>");
  QtHelpService service;
  EXPECT_FALSE(service.showPage(dir.path() + QStringLiteral("/none.html")));
  ASSERT_TRUE(service.showPage(page));
  ASSERT_NE(service.viewer(), nullptr);
  EXPECT_FALSE(service.viewer()->isHidden());
  EXPECT_EQ(service.viewer()->currentPage(), page);
  EXPECT_EQ(service.viewer()->windowTitle(), QStringLiteral("Pelmark topics"));
  service.closeViewer();
  EXPECT_TRUE(service.viewer()->isHidden());
}

}  // namespace
}  // namespace pm
