// Every kind of document window opens wholly inside the main window's area
// and at least wide enough for its caption and buttons, through the real
// MDI area.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollArea>
#include <QScrollBar>

#include "common/childgeometry.h"
#include "formdeck/ui/formpage.h"
#include "formdeck/ui/plenzoform.h"
#include "shell/ui/diagramform.h"
#include "shell/ui/viewform.h"
#include "shellfixture.h"

namespace pm::test {
namespace {

class ChildPlacementTest : public ProgramFolderTest {
 protected:
  TOSTRELFORM* Main(const QString& name = QStringLiteral("mivaro"), QSize size = QSize(1400, 1000)) {
    TOSTRELFORM* main = Begin(name);
    main->resize(size);
    main->show();
    QDir::setCurrent(folder_);
    return main;
  }
  QString Write(const char* name, const QByteArray& bytes) {
    const QString path = folder_ + QLatin1Char('/') + QLatin1String(name);
    WriteBytes(path, bytes);
    return path;
  }
  QSize Area() const { return form_->MdiArea()->viewport()->size(); }
  // The child lies wholly inside the area and is at least the minimum wide.
  void ExpectInside(const QMdiSubWindow* child) const {
    ASSERT_NE(child, nullptr);
    EXPECT_TRUE(QRect(QPoint(0, 0), Area()).contains(child->geometry()))
        << child->geometry().x() << "," << child->geometry().y() << " " << child->width() << "x"
        << child->height() << " in " << Area().width() << "x" << Area().height();
    EXPECT_GE(child->width(), kMinimumChildWidth);
    EXPECT_GE(child->height(), child->minimumSizeHint().height());
  }
  QMdiSubWindow* ChildOf(int kind) const {
    for (QMdiSubWindow* child : Children())
      if (KindOfChild(child) == kind) return child;
    return nullptr;
  }
};

TEST_F(ChildPlacementTest, AFormWithAVeryWidePictureOpensNoWiderThanTheAreaAndScrollsToEverything) {
  Write("wide.bmp", BitmapBytes(5000, 300));
  const QString deck = Write("wide.pzd",
                             "*PLENZO\r\n*|<PICTURE>wide.bmp LEFT\r\n"
                             "TANK = 2.5\r\n*|The volume of the tank|m3|gal|0|264.172|0.1|100.0|12\r\n");
  TOSTRELFORM* main = Main(QStringLiteral("demo"));
  main->ReadaFile(deck);
  auto* form = Only<TPlenzoForm>();
  ASSERT_NE(form, nullptr);
  ASSERT_TRUE(ui_.texts().isEmpty()) << ui_.texts().join(QLatin1Char('|')).toStdString();
  ExpectInside(form->SubWindow());
  EXPECT_EQ(form->SubWindow()->width(), Area().width());
  // The page scrolls as far as the picture reaches.
  auto* page = form->findChild<QScrollArea*>();
  ASSERT_NE(page, nullptr);
  EXPECT_GE(page->horizontalScrollBar()->maximum() + page->viewport()->width(), 5000);
}

TEST_F(ChildPlacementTest, TheDemoPagesHaveNothingToScrollSideways) {
  const QDir demo(QStringLiteral(PELMARK_SOURCE_DIR "/examples/demo"));
  for (const QString& name : demo.entryList(QDir::Files))
    WriteBytes(folder_ + QLatin1Char('/') + name, ReadBytes(demo.filePath(name)));
  TOSTRELFORM* main = Main(QStringLiteral("demo"));
  main->ReadaFile(folder_ + QStringLiteral("/Demo.pzd"));
  auto* form = Only<TPlenzoForm>();
  ASSERT_NE(form, nullptr);
  ASSERT_TRUE(ui_.texts().isEmpty()) << ui_.texts().join(QLatin1Char('|')).toStdString();
  const QList<TFormPage*> pages = form->findChildren<TFormPage*>();
  ASSERT_GE(pages.size(), 5);
  for (int i = 0; i < 5; ++i) {
    form->ShowTab(i);
    QCoreApplication::processEvents();
    for (TFormPage* page : pages) {
      if (!page->isVisible()) continue;
      EXPECT_EQ(page->horizontalScrollBar()->maximum(), 0) << "tab " << i;
    }
  }
}

TEST_F(ChildPlacementTest, ViewersOpenedWhileFourWindowsFillTheAreaLieInsideIt) {
  Main();
  // Four windows leave room only in the bottom right corner, where the
  // area's own placement puts a new window before it takes its size.
  const QRect four[] = {{0, 0, 700, 500}, {700, 0, 700, 500}, {0, 500, 700, 500}, {700, 500, 300, 500}};
  for (const QRect& place : four) AddChild(KindTextEditor)->setGeometry(place);
  const QString deck = Write("sys.dck", "deck");
  Write("sys.LST", "listing");
  Write("sys.log", "log");
  form_->Documents().GetLSTFile(deck, true);
  form_->Documents().GetLOGFile(deck, true);
  ExpectInside(ChildOf(KindListing));
  ExpectInside(ChildOf(KindLog));
  EXPECT_EQ(ChildOf(KindLog)->size(), kDefaultChildSize);
}

TEST_F(ChildPlacementTest, ATinyDiagramGetsAWindowWideEnoughForItsCaptionAndButtons) {
  Main();
  const QString deck = Write("tiny.dck", "deck");
  Write("tiny.BMP", BitmapBytes(40, 30));
  form_->Documents().GetDGMFile(deck);
  QMdiSubWindow* diagram = ChildOf(KindDiagram);
  ExpectInside(diagram);
  // Also a window the user narrows keeps the minimum.
  diagram->resize(46, diagram->height());
  EXPECT_GE(diagram->width(), kMinimumChildWidth);
}

TEST_F(ChildPlacementTest, TheSourceViewAfterAParseErrorOpensAtTheTextWindowsSize) {
  const QString deck = Write("nested.pzd", ReadBytes(QStringLiteral(PELMARK_FIXTURES_DIR "/decks/broken/group-nested.pzd")));
  for (const QSize size : {QSize(1400, 1000), QSize(900, 400)}) {
    SCOPED_TRACE(size.height());
    TOSTRELFORM* main = Main(QStringLiteral("mivaro"), size);
    main->EditPlenzo(deck, 0);
    TPlenzoForm* form = PlenzoFormInstance();
    ASSERT_NE(form, nullptr);
    ASSERT_TRUE(form->IsSourceTabCurrent());
    QMdiSubWindow* sub = form->SubWindow();
    ExpectInside(sub);
    EXPECT_EQ(sub->size(), kDefaultChildSize.boundedTo(Area()));
  }
}

}  // namespace
}  // namespace pm::test
