// Pictures built from a deck of pictures/, clicked and hovered through the
// real widgets.
#include "formdeck/ui/picturebuilders.h"

#include <QApplication>
#include <QMouseEvent>
#include <QtTest/QTest>

#include "fakeform.h"
#include "formdeck/ui/formtabbar.h"
#include "formdeck/ui/myimage.h"
#include "formtestsupport.h"
#include "support/fakehelp.h"
#include "support/fakeopenaction.h"
#include "support/testpaths.h"
#include "platform/ui/plainhint.h"

namespace pm::test {
namespace {

const QString kFolder = QStringLiteral(PELMARK_FIXTURES_DIR "/pictures/");

class PictureTest : public FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    form->ClearTabs();
    form->ReadDeck(kFolder + QStringLiteral("pictures.pzd"));
    for (TFormElement* e : form->Model().Elements.OnPage(0))
      if (e->image) pictures.push_back(e);
  }
  TmyImage* image(size_t i) const { return static_cast<TmyImage*>(pictures.at(i)->image); }
  void hover(TmyImage* target, const QPoint& at) {
    QMouseEvent move(QEvent::MouseMove, QPointF(at), QPointF(target->mapToGlobal(at)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(target, &move);
  }

  std::vector<TFormElement*> pictures;
};

TEST_F(PictureTest, EachKindOfPictureIsBuiltAsWritten) {
  ASSERT_TRUE(ui.messages().empty()) << ui.texts().join(QLatin1Char('|')).toStdString();
  EXPECT_EQ(G().ParseErrorState, 0);
  ASSERT_EQ(pictures.size(), 7u);
  const int W8 = form->WidthOf8;
  struct {
    ElementKind kind;
    int tag;
    int alignment;
    bool transparent;
    int left;
  } expected[] = {
      {ElementKind::Picture, 0, 2, false, 80 * W8 - 48 - 5},
      {ElementKind::Picture, 0, 0, false, 5},
      {ElementKind::LinkedPicture, 2, 1, false, (80 * W8 - 48) / 2 + 2 * W8},
      {ElementKind::LinkedPicture, 2, 0, true, 5},
      {ElementKind::LinkedPicture, 2, 2, false, 80 * W8 - 48 - 5},
      {ElementKind::LinkedPicture, 3, 1, false, (80 * W8 - 48) / 2 + 2 * W8},
      {ElementKind::LinkedPicture, 3, 0, true, 5},
  };
  int previousBottom = 0;
  for (size_t i = 0; i < pictures.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(pictures[i]->kind, expected[i].kind);
    EXPECT_EQ(pictures[i]->lineNumber, static_cast<int>(i) + 3);
    EXPECT_EQ(image(i)->LinkIndex, expected[i].tag);
    EXPECT_EQ(image(i)->Alignment, expected[i].alignment);
    EXPECT_EQ(image(i)->Transparent, expected[i].transparent);
    EXPECT_EQ(image(i)->geometry(), QRect(expected[i].left, image(i)->y(), 48, 32));
    // Each picture below the one before it.
    EXPECT_GT(image(i)->y(), previousBottom - 1);
    previousBottom = image(i)->y() + 32;
  }
  // The JPEG with a blank in its name.
  EXPECT_EQ(image(1)->FileName, QStringLiteral("my plant.jpg"));
  EXPECT_EQ(image(1)->HRefs, QStringList{QString()});
  // The application link keeps its arguments as written, shown as the hint.
  EXPECT_EQ(image(2)->HRefs, QStringList{QStringLiteral("-open data.txt")});
  EXPECT_EQ(image(2)->toolTip(), PlainHint(QStringLiteral("-open data.txt")));
  EXPECT_EQ(image(2)->cursor().shape(), Qt::PointingHandCursor);
  // The IMG's own target covers the whole picture.
  EXPECT_EQ(image(3)->HRefs, QStringList{QStringLiteral("#Pumps")});
  EXPECT_EQ(image(3)->Hints, QStringList{QStringLiteral("Pumps")});
  EXPECT_EQ(image(3)->Areas, QList<QRect>{QRect(0, 0, 48, 32)});
  // The map's areas; the IMG's hint is the picture's, not area 1's.
  EXPECT_EQ(image(4)->HRefs, (QStringList{QStringLiteral("#pumps"), QStringLiteral("manual.chm@12"),
                                          QStringLiteral("tool.sh")}));
  EXPECT_EQ(image(4)->Hints,
            (QStringList{QStringLiteral("Pump data"), QStringLiteral("Help on pumps"), QString()}));
  EXPECT_EQ(image(4)->Areas, (QList<QRect>{QRect(0, 0, 24, 16), QRect(24, 0, 24, 16), QRect(0, 16, 48, 16)}));
  EXPECT_EQ(image(4)->toolTip(), PlainHint(QStringLiteral("The plant")));
  // A map's only area without COORDS covers the whole picture.
  EXPECT_EQ(image(6)->Areas, QList<QRect>{QRect(0, 0, 48, 32)});
}

TEST_F(PictureTest, ClickingAnAreaSwitchesTheTabOpensHelpOrRunsTheProgram) {
  RecordedRuns runs;
  FakeHelp help;
  FakeOpenAction open;
  ASSERT_EQ(pictures.size(), 7u);
  const int pumps = form->FindTab(QStringLiteral("Pumps"));
  ASSERT_GE(pumps, 0);
  form->ShowTab(form->FindTab(QStringLiteral("Main")));
  TmyImage* map = image(4);
  QTest::mouseClick(map, Qt::LeftButton, Qt::NoModifier, QPoint(23, 15));
  EXPECT_EQ(form->TabControl()->currentIndex(), pumps);
  QTest::mouseClick(map, Qt::LeftButton, Qt::NoModifier, QPoint(24, 0));
  EXPECT_EQ(help.shown, QStringList{QStringLiteral("pumps.html")});
  QTest::mouseClick(map, Qt::LeftButton, Qt::NoModifier, QPoint(47, 31));
  EXPECT_EQ(runs.commands, QStringList{QStringLiteral("tool.sh")});
  // The right button does nothing.
  QTest::mouseClick(map, Qt::RightButton, Qt::NoModifier, QPoint(47, 31));
  EXPECT_EQ(runs.commands.size(), 1);
  EXPECT_TRUE(open.opened().isEmpty());
  EXPECT_TRUE(ui.messages().empty()) << ui.texts().join(QLatin1Char('|')).toStdString();
}

TEST_F(PictureTest, ALinkedPictureRunsItsLinkProgramWithItsArguments) {
  RecordedRuns runs;
  ASSERT_EQ(pictures.size(), 7u);
  const QString tool = kFolder + QStringLiteral("tool.sh");
  DefaultSettings().AppLinkPaths[2] = tool;
  QTest::mouseClick(image(2), Qt::LeftButton, Qt::NoModifier, QPoint(1, 1));
  EXPECT_EQ(runs.commands, QStringList{tool + QStringLiteral(" -open data.txt")});
}

TEST_F(PictureTest, HoveringAnAreaShowsItsHintAndTheHand) {
  ASSERT_EQ(pictures.size(), 7u);
  TmyImage* map = image(4);
  EXPECT_TRUE(map->hasMouseTracking());
  hover(map, QPoint(30, 5));
  EXPECT_EQ(map->toolTip(), PlainHint(QStringLiteral("Help on pumps")));
  EXPECT_EQ(map->cursor().shape(), Qt::PointingHandCursor);
  hover(map, QPoint(5, 5));
  EXPECT_EQ(map->toolTip(), PlainHint(QStringLiteral("Pump data")));
  // A linked picture keeps its hand and its hint wherever the mouse goes.
  TmyImage* linked = image(2);
  EXPECT_FALSE(linked->hasMouseTracking());
  QMouseEvent drag(QEvent::MouseMove, QPointF(3, 3), QPointF(linked->mapToGlobal(QPoint(3, 3))), Qt::LeftButton,
                   Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(linked, &drag);
  EXPECT_EQ(linked->cursor().shape(), Qt::PointingHandCursor);
  EXPECT_EQ(linked->toolTip(), PlainHint(QStringLiteral("-open data.txt")));
}

TEST_F(PictureTest, ATransparentPictureShowsThePageThroughItsCornerColour) {
  ASSERT_EQ(pictures.size(), 7u);
  // small.bmp's corner colour is white; the /NT picture keeps it, the
  // other shows the page there.
  QWidget* page = image(3)->parentWidget();
  const QImage shown = page->grab(image(3)->geometry()).toImage();
  const QImage opaque = page->grab(image(4)->geometry()).toImage();
  const QColor background = page->grab(QRect(0, image(3)->y(), 1, 1)).toImage().pixel(0, 0);
  ASSERT_NE(background, QColor(Qt::white));
  EXPECT_EQ(QColor(opaque.pixel(0, 31)), QColor(Qt::white));
  EXPECT_EQ(QColor(shown.pixel(0, 31)), background);
  // Inside the drawn square both show the picture.
  EXPECT_EQ(shown.pixel(15, 15), opaque.pixel(15, 15));
  // The picture itself stays unmasked for printing.
  EXPECT_EQ(QColor(image(3)->Picture.pixel(0, 31)), QColor(Qt::white));
}

}  // namespace
}  // namespace pm::test

namespace pm::test {
namespace {

TEST_F(FormTest, APictureInAGroupStacksInItsBoxAndTheFlowGoesOnBelow) {
  form->ClearTabs();
  form->ReadDeck(kFolder + QStringLiteral("grouped.pzd"));
  ASSERT_TRUE(ui.messages().empty()) << ui.texts().join(QLatin1Char('|')).toStdString();
  const std::vector<TFormElement*> elements = form->Model().Elements.OnPage(0);
  ASSERT_EQ(elements.size(), 3u);
  const TFormElement* picture = elements[1];
  const QWidget* box = elements[0]->groupBox;
  ASSERT_TRUE(picture->image && box);
  EXPECT_EQ(picture->image->parentWidget(), box);
  EXPECT_EQ(picture->image->x(), 5);
  EXPECT_LE(picture->image->y() + picture->image->height(), box->height());
  EXPECT_GE(box->width(), picture->image->x() + picture->image->width());
  EXPECT_GE(elements[2]->label->y(), box->y() + box->height());
}

}  // namespace
}  // namespace pm::test
