// The plot window alone: its start, drags, double click, print scale, save
// and open, and its close question.
#include "plots/ui/plotform.h"

#include "common/globals.h"
#include "plots/plotfile.h"
#include "plots/ui/plothost.h"
#include "plotsamples.h"
#include "support/scriptedui.h"
#include "support/testfiles.h"
#include "support/testpaths.h"

#include <QCoreApplication>
#include <QFile>
#include <QMouseEvent>
#include <QPointer>
#include <QScrollBar>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace pm {
namespace {

const QString kSmallKpl = QStringLiteral(PELMARK_FIXTURES_DIR "/plots/small/small.KPL");

void Mouse(TPlotForm& form, QEvent::Type type, QPoint at) {
  QWidget* view = form.viewport();
  const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
  const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
  QMouseEvent event(type, QPointF(at), QPointF(view->mapToGlobal(at)), button, held, Qt::NoModifier);
  QCoreApplication::sendEvent(view, &event);
}

void Drag(TPlotForm& form, QPoint from, QPoint to) {
  Mouse(form, QEvent::MouseButtonPress, from);
  Mouse(form, QEvent::MouseMove, (from + to) / 2);
  Mouse(form, QEvent::MouseMove, to);
  Mouse(form, QEvent::MouseButtonRelease, to);
}

std::unique_ptr<TPlotForm> SmallForm() {
  auto form = std::make_unique<TPlotForm>();
  form->Plot() = test::SmallPlot();
  form->setWindowTitle(QStringLiteral("Plot 1: from small.PLT"));
  form->PlotChanged();
  form->resize(484, 300);
  form->show();
  return form;
}

TEST(PlotFormTest, StartsFromThePlotBufferWithTheDefaultBounds) {
  PlotBuffer() = test::SmallPlot().Settings;
  TPlotForm form;
  EXPECT_EQ(ChildKindOf(&form), KindPlot);
  EXPECT_EQ(form.Plot().Settings, PlotBuffer());
  EXPECT_EQ(form.Bounds(), (PlotBounds{100, 400, 225, 20}));
  EXPECT_TRUE(form.PlotFileName().isEmpty());
  EXPECT_TRUE(form.Modified());  // never saved: closing asks
  EXPECT_EQ(form.viewport()->backgroundRole(), QPalette::Button);
  PlotBuffer() = TPlotSettings{};
}

TEST(PlotFormTest, DragsMoveAndResizeByThePointersMovement) {
  struct Case {
    const char* name;
    QPoint scroll;
    QPoint from;
    QPoint to;
    PlotBounds expected;
  };
  const Case cases[] = {
      {"move", {}, {200, 100}, {230, 140}, {130, 430, 265, 60}},
      {"move on the left and top edge", {}, {100, 20}, {90, 25}, {90, 390, 230, 25}},
      {"press outside does nothing", {}, {50, 100}, {250, 200}, {100, 400, 225, 20}},
      {"press on the right edge is outside", {}, {411, 100}, {450, 150}, {100, 400, 225, 20}},
      {"resize by the corner", {}, {395, 220}, {450, 260}, {100, 450, 260, 20}},
      {"resize by the handle outside the rectangle", {}, {409, 234}, {300, 200}, {100, 300, 200, 20}},
      {"corner left of the left edge mirrors", {}, {400, 225}, {60, 250}, {100, 60, 250, 20}},
      {"a move above and left of 0 is kept at 0", {}, {200, 100}, {50, 40}, {0, 300, 205, 0}},
      {"a corner dragged past 0 stays at 0", {}, {400, 225}, {-30, -8}, {100, 0, 0, 20}},
      {"scrolled: the press hits what is shown", {60, 10}, {200, 100}, {210, 100}, {110, 410, 225, 20}},
      {"scrolled: the corner follows the pointer", {60, 10}, {340, 215}, {360, 230}, {100, 420, 240, 20}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto form = SmallForm();
    form->resize(200, 150);  // small enough to scroll
    form->horizontalScrollBar()->setValue(c.scroll.x());
    form->verticalScrollBar()->setValue(c.scroll.y());
    ASSERT_EQ(form->horizontalScrollBar()->value(), c.scroll.x());
    ASSERT_EQ(form->verticalScrollBar()->value(), c.scroll.y());
    Drag(*form, c.from, c.to);
    EXPECT_EQ(form->Bounds(), c.expected);
    EXPECT_FALSE(form->Moving());
    EXPECT_FALSE(form->Resizing());
    EXPECT_TRUE(form->Modified());  // never saved, not by the drag
  }
}

TEST(PlotFormTest, TheRubberBandFollowsThePointerUntilTheRelease) {
  auto form = SmallForm();
  Mouse(*form, QEvent::MouseButtonPress, {200, 100});
  EXPECT_TRUE(form->Moving());
  Mouse(*form, QEvent::MouseMove, {210, 90});
  EXPECT_EQ(form->RubberRect().topLeft(), QPoint(110, 10));
  EXPECT_EQ(form->Bounds(), (PlotBounds{}));  // nothing moves before the release
  EXPECT_EQ(form->viewport()->cursor().shape(), Qt::ClosedHandCursor);
  Mouse(*form, QEvent::MouseButtonRelease, {210, 90});
  EXPECT_EQ(form->Bounds(), (PlotBounds{110, 410, 215, 10}));
  // Idle: the handle, the rectangle and elsewhere have their cursors.
  const std::pair<QPoint, Qt::CursorShape> cursors[] = {
      {{410, 215}, Qt::SizeAllCursor}, {{200, 100}, Qt::CrossCursor}, {{20, 280}, Qt::ArrowCursor}};
  for (const auto& [at, shape] : cursors) {
    Mouse(*form, QEvent::MouseMove, at);
    EXPECT_EQ(form->viewport()->cursor().shape(), shape) << at.x();
  }
  Mouse(*form, QEvent::MouseButtonPress, {410, 215});
  EXPECT_TRUE(form->Resizing());
  EXPECT_EQ(form->viewport()->cursor().shape(), Qt::SizeFDiagCursor);
  Mouse(*form, QEvent::MouseButtonRelease, {410, 215});
}

TEST(PlotFormTest, ADoubleClickOpensModifyPlotAndMovesNothing) {
  // The dialog is shared by the whole program: later tests get it back.
  const auto installed = ModifyPlotDialog();
  struct Case {
    ModifyPlotResult result;
    bool closed;
    bool modified;
  };
  const Case cases[] = {{ModifyPlotResult::Unchanged, false, false},
                        {ModifyPlotResult::Changed, false, true},
                        {ModifyPlotResult::DeleteWindow, true, true}};
  QTemporaryDir dir;
  for (const Case& c : cases) {
    test::ScriptedUi ui;
    auto* form = SmallForm().release();
    form->setAttribute(Qt::WA_DeleteOnClose);
    ASSERT_TRUE(form->Save(dir.filePath(QStringLiteral("d.KPL"))));
    QPointer<TPlotForm> guard(form);
    int shown = 0;
    ModifyPlotDialog() = [&](TPlotForm& plot) {
      ++shown;
      EXPECT_EQ(&plot, form);
      EXPECT_FALSE(plot.Moving());
      return c.result;
    };
    form->show();
    // Qt's order: press, release, double click, release.
    Mouse(*form, QEvent::MouseButtonPress, {200, 100});
    Mouse(*form, QEvent::MouseButtonRelease, {200, 100});
    Mouse(*form, QEvent::MouseButtonDblClick, {200, 100});
    Mouse(*form, QEvent::MouseButtonRelease, {200, 100});
    EXPECT_EQ(shown, 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(!guard, c.closed);
    EXPECT_TRUE(ui.messages().empty());  // a deleted plot is closed without the question
    if (guard) {
      EXPECT_EQ(guard->Bounds(), (PlotBounds{}));
      EXPECT_EQ(guard->Modified(), c.modified);
      // The next press starts a drag again.
      Mouse(*guard, QEvent::MouseButtonPress, {200, 100});
      EXPECT_TRUE(guard->Moving());
      Mouse(*guard, QEvent::MouseButtonRelease, {200, 100});
      guard->CloseAnswered();
    }
  }
  // Without the dialog a double click does nothing.
  ModifyPlotDialog() = nullptr;
  auto form = SmallForm();
  Mouse(*form, QEvent::MouseButtonDblClick, {200, 100});
  Mouse(*form, QEvent::MouseButtonRelease, {200, 100});
  EXPECT_EQ(form->Bounds(), (PlotBounds{}));
  ModifyPlotDialog() = installed;
}

TEST(PlotFormTest, ThePrintScaleFitsThePageAndTheDrawing) {
  struct Case {
    const char* name;
    int pageW, pageH;
    bool landscape;
    QSize client;
    PlotExtent extent;
    long double expected;
  };
  const PlotExtent inside{40, 5, 450, 280};
  const Case cases[] = {
      {"portrait", 5100, 6600, false, {484, 300}, inside, (5100.0L - 600) / 484},
      {"landscape: the height limits", 6600, 5100, true, {484, 400}, inside, (5100.0L - 600) / 400},
      {"landscape: the width limits", 6600, 5100, true, {600, 300}, inside, (6600.0L - 600) / 600},
      {"no client area: the extent", 5100, 6600, false, {0, 0}, inside, (5100.0L - 600) / 410},
      {"no client area, no extent", 5100, 6600, false, {0, 0}, {}, (5100.0L - 600) / 484},
      {"a legend wider than the window", 5100, 6600, false, {484, 300}, {30, 5, 930, 280}, (5100.0L - 600) / 900},
  };
  for (const Case& c : cases) {
    EXPECT_DOUBLE_EQ(static_cast<double>(PlotPrintScale(c.pageW, c.pageH, c.landscape, c.client, c.extent)),
                     static_cast<double>(c.expected))
        << c.name;
  }
}

TEST(PlotFormTest, SaveAndOpenGoThroughThePlotFile) {
  QTemporaryDir dir;
  test::ScriptedUi ui;
  TPlotForm opened;
  ASSERT_TRUE(opened.Open(kSmallKpl));
  QString caption;
  PlotModel plot;
  ASSERT_EQ(OpenPlotFile(kSmallKpl, &caption, &plot), PlotOpen::Opened);
  EXPECT_EQ(opened.windowTitle(), caption);
  EXPECT_EQ(opened.Plot(), plot);
  EXPECT_EQ(opened.PlotFileName(), kSmallKpl);
  EXPECT_FALSE(opened.Modified());
  const QString copy = dir.filePath(QStringLiteral("copy.KPL"));
  opened.MarkChanged();
  ASSERT_TRUE(opened.Save(copy));
  EXPECT_EQ(test::ReadBytes(copy), test::ReadBytes(kSmallKpl));
  EXPECT_EQ(opened.PlotFileName(), copy);
  EXPECT_FALSE(opened.Modified());
  // A file that is no plot: its message, and the window keeps its plot.
  const QString bad = dir.filePath(QStringLiteral("bad.KPL"));
  test::WriteBytes(bad, "plot text");
  EXPECT_FALSE(opened.Open(bad));
  EXPECT_EQ(ui.texts().last(), NotValidPlotFileMessage(bad));
  EXPECT_EQ(opened.PlotFileName(), copy);
  EXPECT_EQ(opened.Plot(), plot);
  // A failed save keeps the name and the change.
  opened.MarkChanged();
  EXPECT_FALSE(opened.Save(dir.filePath(QStringLiteral("none/x.KPL"))));
  EXPECT_EQ(opened.PlotFileName(), copy);
  EXPECT_TRUE(opened.Modified());
}

TEST(PlotFormTest, TheCloseQuestionAsksOnlyWhenThePlotCouldBeLost) {
  QTemporaryDir dir;
  struct Case {
    const char* name;
    bool named;
    bool changed;
    std::optional<ModalResult> answer;
    bool closes;
    bool written;
  };
  const Case cases[] = {
      {"unchanged file: no question", true, false, std::nullopt, true, false},
      {"changed: Cancel keeps it", true, true, ModalResult::Cancel, false, false},
      {"changed: No closes unsaved", true, true, ModalResult::No, true, false},
      {"changed: Yes saves and closes", true, true, ModalResult::Yes, true, true},
      {"never saved: asks as This plot, No closes", false, false, ModalResult::No, true, false},
      {"never saved, no host: Yes cannot save and keeps it", false, false, ModalResult::Yes, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    test::ScriptedUi ui;
    auto form = SmallForm();
    const QString path = dir.filePath(QStringLiteral("q.KPL"));
    if (c.named) {
      ASSERT_TRUE(form->Save(path));
      test::WriteBytes(path, "old");
    }
    if (c.changed) form->MarkChanged();
    if (c.answer) ui.answer(*c.answer);
    form->show();
    EXPECT_EQ(form->close(), c.closes);
    if (c.answer) {
      ASSERT_EQ(ui.messages().size(), 1u);
      EXPECT_EQ(ui.messages()[0].text,
                (c.named ? path : QStringLiteral("This plot")) + QStringLiteral(" has been changed.  Save it?"));
      EXPECT_EQ(ui.messages()[0].icon, MessageIcon::Warning);
      EXPECT_EQ(ui.messages()[0].buttons, MessageButtons::YesNoCancel);
      EXPECT_FALSE(ui.messages()[0].beepBefore);
    } else {
      EXPECT_TRUE(ui.messages().empty());
    }
    if (c.named) {
      EXPECT_EQ(test::ReadBytes(path) != QByteArray("old"), c.written);
    }
    form->CloseAnswered();
  }
}

}  // namespace
}  // namespace pm
