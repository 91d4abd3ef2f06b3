// A page of many controls, shown through the real form window in an MDI
// sub-window: what is painted, which paint requests its controls post, and
// where the focus goes as a page comes forward.
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <QSet>
#include <functional>
#include <string>

#include "formdeck/ui/formtabbar.h"
#include "writebacksupport.h"

namespace pm::test {
namespace {

// Every widget that receives a paint event while it lives.
class PaintRecorder final : public QObject {
 public:
  PaintRecorder() { qApp->installEventFilter(this); }
  ~PaintRecorder() override { qApp->removeEventFilter(this); }
  bool Painted(const QObject* w) const { return painted_.contains(w); }
  void Clear() { painted_.clear(); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) painted_.insert(watched);
    return false;
  }

 private:
  QSet<const QObject*> painted_;
};

// Empty when two pictures are the same, else where they first differ.
std::string Difference(const QImage& a, const QImage& b) {
  if (a.size() != b.size()) return "sizes differ";
  int count = 0;
  std::string first;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) {
      if (a.pixel(x, y) == b.pixel(x, y)) continue;
      if (count++ == 0)
        first = QStringLiteral("at %1,%2 %3 for %4")
                    .arg(x)
                    .arg(y)
                    .arg(a.pixel(x, y), 8, 16)
                    .arg(b.pixel(x, y), 8, 16)
                    .toStdString();
    }
  }
  return count == 0 ? std::string() : std::to_string(count) + " pixels differ, first " + first;
}

constexpr int kRows = 300;

class FormPageTest : public MdiFormTest {
 protected:
  // A group of two inputs, then kRows inputs on the main page, and a page
  // Other of one input; shown on the main page.
  void OpenShown(int rows = kRows) {
    std::string deck = "*PLENZO\r\n*|[G|Group\r\nA = 1\r\n*|In group A|m|ft|0|3.28084|0|100.0|0\r\n";
    deck += "B = 2\r\n*|In group B|m|ft|0|3.28084|0|100.0|0\r\n*|]\r\n";
    for (int i = 1; i <= rows; ++i) {
      deck += "V" + std::to_string(i) + " = " + std::to_string(i) + "\r\n";
      deck += "*|Value number " + std::to_string(i) + "|kg/s|lb/h|0|7936.6|0|1000000.0|0\r\n";
    }
    deck +=
        "*|<TABWINDOW NAME=\"Other\">\r\nW = 1\r\n"
        "*|Other value|m|ft|0|3.28084|0|100.0|0\r\n*|</TABWINDOW>\r\n";
    QFile file(Path(QStringLiteral("big.pzd")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray::fromStdString(deck));
    file.close();
    form = std::make_unique<TPlenzoForm>(&host);
    form->ClearTabs();
    area.resize(800, 600);
    area.addSubWindow(form.get())->resize(640, 480);
    area.show();
    area.activateWindow();
    QApplication::setActiveWindow(&area);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&area));
    form->ReadDeck(Path(QStringLiteral("big.pzd")));
    ASSERT_EQ(G().ParseErrorState, 0);
    form->ShowTab(0);
    ASSERT_EQ(form->Model().Elements.Count(), static_cast<size_t>(rows + 4));
  }

  TFormElement* Row(int i) const { return Element(("V" + std::to_string(i) + " ").c_str()); }
  bool InView(const QWidget* w) const {
    const QWidget* port = form->Page(form->CurrentPage)->viewport();
    return QRect(w->mapTo(port, QPoint(0, 0)), w->size()).intersects(port->rect());
  }
  // Waits for the page's next paint, then checks that every control of the
  // page that was painted is in view, and that every row in view was.
  void ExpectOnlyTheViewPainted() {
    QWidget* content = form->Page(form->CurrentPage)->Content();
    QTRY_VERIFY(paints.Painted(content));
    QApplication::processEvents();
    int paintedRows = 0;
    for (const QWidget* w : content->findChildren<QWidget*>()) {
      if (w->isVisible() && paints.Painted(w)) {
        EXPECT_TRUE(InView(w)) << w->metaObject()->className();
      }
    }
    for (int i = 1; i <= kRows; ++i) {
      const TFormElement* e = Row(i);
      EXPECT_EQ(paints.Painted(e->valueInput), InView(e->valueInput)) << "row " << i;
      if (paints.Painted(e->valueInput)) ++paintedRows;
      // The labels are drawn by the page (what it draws is checked on
      // screen below), not shown as controls of their own.
      for (const QWidget* w : {e->label, e->unitsLabel}) {
        EXPECT_TRUE(w->isHidden()) << "row " << i;
        EXPECT_FALSE(paints.Painted(w)) << "row " << i;
      }
    }
    EXPECT_GT(paintedRows, 5);
    EXPECT_LT(paintedRows, kRows / 2);
  }

  PaintRecorder paints;
};

TEST_F(FormPageTest, OnlyTheControlsInViewArePainted) {
  OpenShown();
  ExpectOnlyTheViewPainted();
  // The group box and the inputs in it, at the top, are painted too.
  const TFormElement* a = Element("A ");
  ASSERT_NE(a, nullptr);
  EXPECT_TRUE(paints.Painted(a->groupBox));
  EXPECT_TRUE(paints.Painted(a->valueInput));
  EXPECT_FALSE(paints.Painted(Row(kRows)->valueInput));

  // Scrolled to the end, the last rows are painted as they come into view.
  paints.Clear();
  QScrollBar* bar = form->Page(0)->verticalScrollBar();
  bar->setValue(bar->maximum());
  ExpectOnlyTheViewPainted();
  EXPECT_TRUE(paints.Painted(Row(kRows)->valueInput));

  // Back from another tab, the page paints its view again.
  form->ShowTab(1);
  QApplication::processEvents();
  paints.Clear();
  form->ShowTab(0);
  ExpectOnlyTheViewPainted();
}

TEST_F(FormPageTest, APageComingForwardTakesTheFocusFromThePageLeft) {
  OpenShown();
  QWidget* third = Row(3)->valueInput;
  QWidget* other = Element("W ")->valueInput;
  // A page never focused in: the page itself.
  third->setFocus();
  ASSERT_EQ(QApplication::focusWidget(), third);
  form->ShowTab(1);
  EXPECT_EQ(QApplication::focusWidget(), form->Page(1));
  other->setFocus();
  // Focused in before: the input it had.
  form->ShowTab(0);
  EXPECT_EQ(QApplication::focusWidget(), third);
  form->ShowTab(1);
  EXPECT_EQ(QApplication::focusWidget(), other);
  // The focus outside the pages (the tab bar) stays where it is.
  form->TabControl()->setFocus();
  form->ShowTab(0);
  EXPECT_EQ(QApplication::focusWidget(), form->TabControl());
}

TEST_F(FormPageTest, ShowingAPagePostsNoPaintRequestPerControl) {
  // Counts the requests to be painted later that reach a control of any
  // page's content (the form is made anew by OpenShown).
  struct LaterUpdates : QObject {
    int count = 0;
    bool eventFilter(QObject* watched, QEvent* e) override {
      if (e->type() != QEvent::UpdateLater || !watched->isWidgetType()) return false;
      for (QWidget* p = static_cast<QWidget*>(watched)->parentWidget(); p; p = p->parentWidget()) {
        if (p->objectName() == QLatin1String("PageContent")) {
          ++count;
          break;
        }
      }
      return false;
    }
  } later;
  qApp->installEventFilter(&later);
  OpenShown();
  QApplication::processEvents();
  EXPECT_EQ(later.count, 0) << "the first show";
  form->ShowTab(1);
  QApplication::processEvents();
  form->ShowTab(0);
  QApplication::processEvents();
  EXPECT_EQ(later.count, 0) << "back from another tab";
  qApp->removeEventFilter(&later);
}

// Labels are drawn by the page: what is on screen where a label stands is
// what the label draws, as it is shown, after its text changes and after it
// moves (on a page taller than the window, and on one that fits in it,
// whose size stays as the group is hidden).
class LabelsOnScreenTest : public FormPageTest, public ::testing::WithParamInterface<int> {};

TEST_P(LabelsOnScreenTest, TheLabelsOnScreenFollowTheirChanges) {
  OpenShown(GetParam());
  QTRY_VERIFY(paints.Painted(form->Page(0)->Content()));
  const TFormElement* first = Row(1);
  const TFormElement* inGroup = Element("A ");
  ASSERT_NE(inGroup, nullptr);
  // What stands on screen where a label is, and what the label draws itself
  // on the background there (its top left corner, left of any letter).
  const auto expectOnScreen = [&](QWidget* label, const char* after) {
    const QImage screen =
        area.screen()->grabWindow(area.winId()).toImage().convertToFormat(QImage::Format_RGB32);
    const QRect at(label->parentWidget()->mapTo(&area, label->pos()), label->size());
    QImage drawn(label->size(), QImage::Format_RGB32);
    drawn.fill(screen.pixel(at.topLeft()));
    QPainter painter(&drawn);
    label->render(&painter, QPoint(), QRegion(), QWidget::RenderFlags());
    painter.end();
    EXPECT_EQ(Difference(screen.copy(at), drawn), "")
        << after << ": " << static_cast<QLabel*>(label)->text().toStdString();
  };
  // The deck shows its values in the unit system of the settings.
  const bool ip = static_cast<QLabel*>(first->unitsLabel)->text() == QStringLiteral("lb/h");
  const struct {
    const char* after;
    std::function<void()> change;
    bool groupShown;
  } cases[] = {
      {"the first paint", [] {}, true},
      {"a change of units", [&] { form->ConvertUnits(ip ? 2 : 1, ip ? 1 : 2); }, true},
      {"the group above hidden", [&] { form->ShowGroups(QStringLiteral("G"), false); }, false},
      {"the group shown again", [&] { form->ShowGroups(QStringLiteral("G"), true); }, true},
  };
  const int top = first->label->y();
  for (const auto& c : cases) {
    c.change();
    QApplication::processEvents();
    // Nothing stale: the page on screen is the page as it draws itself now.
    QWidget* port = form->Page(0)->viewport();
    const QImage screen =
        area.screen()->grabWindow(area.winId()).toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(Difference(screen.copy(QRect(port->mapTo(&area, QPoint()), port->size())),
                         port->grab().toImage().convertToFormat(QImage::Format_RGB32)),
              "")
        << c.after;
    expectOnScreen(first->label, c.after);
    expectOnScreen(first->unitsLabel, c.after);
    if (c.groupShown) expectOnScreen(inGroup->label, c.after);
  }
  // The changes took place.
  EXPECT_EQ(static_cast<QLabel*>(first->unitsLabel)->text(),
            ip ? QStringLiteral("kg/s") : QStringLiteral("lb/h"));
  EXPECT_EQ(first->label->y(), top);
}

INSTANTIATE_TEST_SUITE_P(Pages, LabelsOnScreenTest, ::testing::Values(kRows, 3));

}  // namespace
}  // namespace pm::test
