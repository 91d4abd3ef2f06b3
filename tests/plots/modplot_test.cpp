#include "plots/ui/modplot.h"

#include "plots/ui/plotform.h"
#include "plots/ui/plothost.h"
#include "plots/ui/plotsamples.h"
#include "plotsamples.h"
#include "support/scriptedui.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include <functional>

namespace pm {
namespace {

using test::SetText;

// TEMP and FLOW over TIME; FLOW dashed, with symbol 15 in black.
PlotModel TwoLines() {
  PlotModel p = test::LinesOverTime();
  TPlotSettings& s = p.Settings;
  s.LineCount = 2;
  s.Lines[2].LineStyle = 3;
  s.Lines[2].Symbol = 15;
  s.Lines[2].ColorIndex = 0;
  return p;
}

class ModPlotTest : public ::testing::Test {
 protected:
  ModPlotTest() { window.setWindowTitle(QStringLiteral("TIME.KPL")); }

  // The dialog over the window, shown as its opener shows it.
  std::unique_ptr<TModPlot> Open() {
    auto dlg = std::make_unique<TModPlot>(&plot, &window);
    dlg->show();
    QApplication::processEvents();
    return dlg;
  }

  test::ScriptedUi ui;
  QWidget window;
  PlotModel plot = TwoLines();
};

TEST_F(ModPlotTest, OpensWithThePlotsSettings) {
  plot.Settings.YLog = 1;
  plot.Settings.YGridlines = 1;
  auto dlg = Open();
  EXPECT_EQ(dlg->windowTitle(), QStringLiteral("Modify TIME.KPL"));
  ASSERT_EQ(dlg->PlotLineBox->count(), 2);
  EXPECT_EQ(dlg->PlotLineBox->itemText(0), QStringLiteral("TEMP vs. TIME"));
  EXPECT_EQ(dlg->PlotLineBox->itemText(1), QStringLiteral("FLOW vs. TIME"));
  EXPECT_EQ(dlg->PlotLineBox->currentIndex(), 1);
  EXPECT_FALSE(dlg->PlotLineBox->isEditable());
  EXPECT_EQ(dlg->XAxisLabel->text(), QStringLiteral("TIME h"));
  EXPECT_EQ(dlg->XAxisLabel->maxLength(), 30);
  EXPECT_EQ(dlg->MinXV->text(), QStringLiteral("0"));
  EXPECT_EQ(dlg->MaxXV->text(), QStringLiteral("10"));
  EXPECT_EQ(dlg->MinYV->text(), QStringLiteral("-1.00E+00"));
  EXPECT_EQ(dlg->XStyle->currentText(), QStringLiteral("F"));
  EXPECT_EQ(dlg->YStyle->currentText(), QStringLiteral("E"));
  EXPECT_EQ(dlg->YDigits->currentText(), QStringLiteral("2"));
  EXPECT_EQ(dlg->TicksVX->text(), QStringLiteral("5"));
  EXPECT_EQ(dlg->TicksVY->text(), QStringLiteral("4"));
  EXPECT_TRUE(dlg->LinearX->isChecked());
  EXPECT_TRUE(dlg->LogY->isChecked());
  EXPECT_FALSE(dlg->XGridlines->isChecked());
  EXPECT_TRUE(dlg->YGridLines->isChecked());
  EXPECT_TRUE(dlg->LegendBox->isChecked());
  EXPECT_EQ(dlg->SpinLine->Value(), 3);
  EXPECT_EQ(dlg->SpinSymbol->Value(), 15);
  EXPECT_EQ(dlg->SpinColor->Value(), 0);
}

// One row per field: its text, and then the dialog, the user's reaction
// and the block. A refusal leaves the block as it was.
TEST_F(ModPlotTest, OkThroughTheWidgets) {
  using Edit = std::function<void(TModPlot&)>;
  using Check = std::function<void(TPlotSettings&)>;
  const auto text = [](const char* name, QString value) {
    return [name, value](TModPlot& d) {
      auto* edit = d.findChild<QLineEdit*>(QLatin1String(name));
      ASSERT_NE(edit, nullptr) << name;
      edit->setText(value);
    };
  };
  const QString notStorable = QStringLiteral("The title holds characters that cannot be stored in a plot file.");
  struct Case {
    const char* name;
    Edit edit;
    const char* selected;  // the field handed back; null: the dialog closes
    int beeps;
    QStringList messages;
    Check expected;
  } cases[] = {
      {"untouched", [](TModPlot&) {}, nullptr, 0, {}, {}},
      {"X title with euro", text("XAxisLabel", QStringLiteral("Cost \u20AC")), nullptr, 0, {},
       [](TPlotSettings& s) { SetText(&s.XTitle, "Cost \x80"); }},
      {"Y title with omega", text("YAxisLabel", QStringLiteral("R \u03A9")), "YAxisLabel", 1, {notStorable}, {}},
      {"X title typed past 30", text("XAxisLabel", QString(40, QLatin1Char('a'))), nullptr, 0, {},
       [](TPlotSettings& s) { s.XTitle.Set(std::string(30, 'a')); }},
      {"X minimum", text("MinXV", QStringLiteral("-2.5")), nullptr, 0, {}, [](TPlotSettings& s) { s.XMin = -2.5L; }},
      {"X maximum equal to minimum", text("MaxXV", QStringLiteral("0")), "MaxXV", 1, {}, {}},
      {"Y minimum no number", text("MinYV", QStringLiteral("abc")), "MinYV", 1, {}, {}},
      {"Y maximum below minimum", text("MaxYV", QStringLiteral("-5")), "MaxYV", 1, {}, {}},
      {"X ticks 0", text("TicksVX", QStringLiteral("0")), "TicksVX", 1, {}, {}},
      {"X ticks 1000", text("TicksVX", QStringLiteral("1000")), nullptr, 0, {},
       [](TPlotSettings& s) { s.XTicks = 1000; }},
      {"Y ticks 1001", text("TicksVY", QStringLiteral("1001")), "TicksVY", 1, {}, {}},
      {"Y ticks no integer", text("TicksVY", QStringLiteral("four")), "TicksVY", 1,
       {QStringLiteral("'four' is not a valid integer value")}, {}},
      {"log X from 0", [](TModPlot& d) { d.LogX->setChecked(true); }, "MinXV", 1, {}, {}},
      {"log Y from 0.5 to 100",
       [](TModPlot& d) {
         d.LogY->setChecked(true);
         d.MinYV->setText(QStringLiteral("0.5"));
         d.MaxYV->setText(QStringLiteral("100"));
       },
       nullptr, 0, {},
       [](TPlotSettings& s) {
         s.YLog = 1;
         s.YMin = 0.5L;
         s.YMax = 100;
       }},
      {"formats, gridlines and legend",
       [](TModPlot& d) {
         d.XStyle->setCurrentIndex(0);
         d.XDigits->setCurrentIndex(3);
         d.YGridLines->setChecked(true);
         d.LegendBox->setChecked(false);
       },
       nullptr, 0, {},
       [](TPlotSettings& s) {
         s.XFormat = {0, 3};
         s.YGridlines = 1;
         s.ShowLegend = 0;
       }},
  };
  for (const Case& c : cases) {
    plot = TwoLines();
    ui.clear();
    const TPlotSettings before = plot.Settings;
    auto dlg = Open();
    c.edit(*dlg);
    dlg->OKBtn->click();
    QApplication::processEvents();
    TPlotSettings expected = before;
    if (c.selected) {
      EXPECT_TRUE(dlg->isVisible()) << c.name;
      EXPECT_EQ(dlg->result(), QDialog::Rejected) << c.name;
      auto* field = dlg->findChild<QLineEdit*>(QLatin1String(c.selected));
      ASSERT_NE(field, nullptr) << c.name;
      EXPECT_EQ(field->selectedText(), field->text()) << c.name;
      EXPECT_FALSE(dlg->Changed()) << c.name;
    } else {
      EXPECT_FALSE(dlg->isVisible()) << c.name;
      EXPECT_EQ(dlg->result(), QDialog::Accepted) << c.name;
      EXPECT_TRUE(dlg->Changed()) << c.name;
      if (c.expected) c.expected(expected);
    }
    EXPECT_EQ(ui.beeps(), c.beeps) << c.name;
    EXPECT_EQ(ui.texts(), c.messages) << c.name;
    EXPECT_EQ(plot.Settings, expected) << c.name;
  }
}

// A log axis whose minimum its format shows as 0 is refused even when
// nothing was touched: the ends are read back as written.
TEST_F(ModPlotTest, UntouchedLogPlotWithAMinimumWrittenAsZeroIsRefusedWithABeep) {
  plot.Settings.XLog = 1;
  plot.Settings.XMin = 0.01L;  // "0.0" in F with 1 decimal
  plot.Settings.XFormat = {1, 1};
  const TPlotSettings before = plot.Settings;
  auto dlg = Open();
  EXPECT_EQ(dlg->MinXV->text(), QStringLiteral("0.0"));
  dlg->OKBtn->click();
  QApplication::processEvents();
  EXPECT_TRUE(dlg->isVisible());
  EXPECT_EQ(ui.beeps(), 1);
  EXPECT_TRUE(ui.texts().isEmpty());
  EXPECT_EQ(dlg->MinXV->selectedText(), QStringLiteral("0.0"));
  EXPECT_EQ(plot.Settings, before);
}

TEST_F(ModPlotTest, SpinsWrapAndOkStoresTheChosenLinesLook) {
  auto dlg = Open();
  // The last line is chosen: symbol 15, colour 0.
  dlg->SpinSymbol->DownButton()->click();
  EXPECT_EQ(dlg->SpinSymbol->Value(), 0);
  dlg->SpinColor->UpButton()->click();
  EXPECT_EQ(dlg->SpinColor->Value(), 15);
  dlg->SpinLine->DownButton()->click();
  EXPECT_EQ(dlg->SpinLine->Value(), 0);
  dlg->SpinLine->UpButton()->click();
  dlg->SpinLine->UpButton()->click();
  EXPECT_EQ(dlg->SpinLine->Value(), 2);
  dlg->SmoothingBox->setChecked(true);
  dlg->OKBtn->click();
  EXPECT_EQ(plot.Settings.Lines[2].Symbol, 0);
  EXPECT_EQ(plot.Settings.Lines[2].ColorIndex, 15);
  EXPECT_EQ(plot.Settings.Lines[2].LineStyle, 2);
  EXPECT_EQ(plot.Settings.Lines[2].Smoothing, 1);
  EXPECT_EQ(plot.Settings.Lines[1], TwoLines().Settings.Lines[1]);
}

// The arrows through the dialog's spins, from every end, and from values a
// file can hold beyond the list.
TEST_F(ModPlotTest, SpinsWrapAtBothEnds) {
  auto dlg = Open();
  struct Case {
    PlotSampleSpin* spin;
    int value, down, up;
  } cases[] = {
      {dlg->SpinLine, 0, 1, 3},     {dlg->SpinLine, 3, 0, 2},     {dlg->SpinSymbol, 15, 0, 14},
      {dlg->SpinSymbol, 0, 1, 15},  {dlg->SpinColor, 7, 8, 6},    {dlg->SpinColor, 0, 1, 15},
      {dlg->SpinSymbol, 31, 0, 30}, {dlg->SpinColor, -1, 0, 15},
  };
  for (const Case& c : cases) {
    c.spin->SetValue(c.value);
    c.spin->DownButton()->click();
    EXPECT_EQ(c.spin->Value(), c.down) << c.value;
    c.spin->SetValue(c.value);
    c.spin->UpButton()->click();
    EXPECT_EQ(c.spin->Value(), c.up) << c.value;
  }
}

TEST_F(ModPlotTest, ChoosingALineShowsItsLook) {
  auto dlg = Open();
  dlg->PlotLineBox->setFocus();
  QTest::keyClick(dlg->PlotLineBox, Qt::Key_Up);
  ASSERT_EQ(dlg->PlotLineBox->currentIndex(), 0);
  EXPECT_EQ(dlg->SpinLine->Value(), 1);
  EXPECT_EQ(dlg->SpinSymbol->Value(), 5);
  EXPECT_EQ(dlg->SpinColor->Value(), 9);
  dlg->SpinColor->DownButton()->click();
  dlg->OKBtn->click();
  EXPECT_EQ(plot.Settings.Lines[1].ColorIndex, 10);
  EXPECT_EQ(plot.Settings.Lines[2].ColorIndex, 0);
}

TEST_F(ModPlotTest, CancelChangesNothing) {
  const TPlotSettings before = plot.Settings;
  auto dlg = Open();
  dlg->XAxisLabel->setText(QStringLiteral("changed"));
  dlg->SpinColor->DownButton()->click();
  dlg->CancelBtn->click();
  EXPECT_EQ(dlg->result(), QDialog::Rejected);
  EXPECT_FALSE(dlg->Changed());
  EXPECT_EQ(plot.Settings, before);
}

// Runs the entry function with the dialog driven by act once it shows.
bool RunDialog(PlotModel* plot, QWidget* window, bool* modified, std::function<void(TModPlot&)> act) {
  QTimer::singleShot(0, [act] {
    if (auto* d = dynamic_cast<TModPlot*>(QApplication::activeModalWidget())) act(*d);
  });
  return ShowModifyPlotDlg(plot, window, modified);
}

TEST_F(ModPlotTest, DeletingLinesDownToTheLastAsksToCloseThePlot) {
  PlotModel three = test::LinesOverTime();
  const PlotModel before = three;

  bool modified = true;
  EXPECT_FALSE(RunDialog(&three, &window, &modified, [](TModPlot& d) { d.CancelBtn->click(); }));
  EXPECT_FALSE(modified);
  EXPECT_EQ(three, before);

  // The middle line.
  EXPECT_FALSE(RunDialog(&three, &window, &modified, [](TModPlot& d) {
    d.PlotLineBox->setFocus();
    QTest::keyClick(d.PlotLineBox, Qt::Key_Up);
    d.Delete->click();
  }));
  EXPECT_TRUE(modified);
  EXPECT_EQ(three.Settings.LineCount, 2);
  EXPECT_EQ(three.Settings.Lines[2], before.Settings.Lines[3]);

  // The last of the two, then the only one.
  EXPECT_FALSE(RunDialog(&three, &window, &modified, [](TModPlot& d) { d.Delete->click(); }));
  EXPECT_EQ(three.Settings.LineCount, 1);
  EXPECT_EQ(three.Settings.Lines[1], before.Settings.Lines[1]);
  const PlotModel last = three;
  EXPECT_TRUE(RunDialog(&three, &window, &modified, [](TModPlot& d) { d.Delete->click(); }));
  EXPECT_TRUE(modified);
  EXPECT_EQ(three, last);  // the block goes with its window
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  EXPECT_EQ(ui.beeps(), 0);
  EXPECT_TRUE(ui.texts().isEmpty());
}

void DoubleClick(TPlotForm& form) {
  QWidget* view = form.viewport();
  const QPoint at(200, 100);
  for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseButtonDblClick,
                            QEvent::MouseButtonRelease}) {
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, QPointF(at), QPointF(view->mapToGlobal(at)), Qt::LeftButton, held, Qt::NoModifier);
    QCoreApplication::sendEvent(view, &event);
  }
}

// The plot window's double click opens this dialog over its own block.
TEST_F(ModPlotTest, APlotWindowsDoubleClickEditsItsBlockAndClosesItAfterTheLastLine) {
  ModifyPlotDialog() = ModifyPlotWindow;
  auto* form = new TPlotForm;
  form->setAttribute(Qt::WA_DeleteOnClose);
  form->Plot() = test::SmallPlot();
  form->setWindowTitle(QStringLiteral("Plot 1: from small.PLT"));
  form->PlotChanged();
  form->resize(484, 300);
  form->show();
  QPointer<TPlotForm> guard(form);
  QString caption;
  QTimer::singleShot(0, [&caption] {
    auto* d = dynamic_cast<TModPlot*>(QApplication::activeModalWidget());
    ASSERT_NE(d, nullptr);
    caption = d->windowTitle();
    d->YAxisLabel->setText(QStringLiteral("Temperature"));
    d->OKBtn->click();
  });
  DoubleClick(*form);
  ASSERT_TRUE(guard);
  EXPECT_EQ(caption, QStringLiteral("Modify Plot 1: from small.PLT"));
  EXPECT_EQ(form->Plot().Settings.YTitle.Shown(), QStringLiteral("Temperature"));
  EXPECT_TRUE(form->Modified());

  QTimer::singleShot(0, [] {
    if (auto* d = dynamic_cast<TModPlot*>(QApplication::activeModalWidget())) d->Delete->click();
  });
  DoubleClick(*form);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_FALSE(guard);
  EXPECT_TRUE(ui.messages().empty());  // no save question
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

}  // namespace
}  // namespace pm
