// The Calculate menu offers the run that the form's Simulate / Optimize
// choice asks for: a deck opened through the main window, its radio items
// clicked, the menu opened.
#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>

#include "common/globals.h"
#include "formdeck/ui/choiceitems.h"
#include "formdeck/ui/plenzoform.h"
#include "shellfixture.h"

namespace pm::test {
namespace {

class CalculateMenuTest : public ProgramFolderTest {
 protected:
  TPlenzoForm* Open(const QByteArray& deck) {
    TOSTRELFORM* main = Begin(QStringLiteral("demo"));
    const QString path = folder_ + QStringLiteral("/plant.pzd");
    WriteBytes(path, deck);
    main->ReadaFile(path);
    for (QMdiSubWindow* child : main->MdiArea()->subWindowList()) {
      if (auto* form = qobject_cast<TPlenzoForm*>(child->widget())) return form;
    }
    return nullptr;
  }
  // The run item the menu shows when it is opened.
  QString RunItem() {
    Q_EMIT form_->Quorvel1->aboutToShow();
    QStringList shown;
    for (const char* name : {"SimulateSpecificSystem1", "OptimizePelmarkSystem1"}) {
      if (form_->Item(QLatin1String(name))->isVisible()) shown << QLatin1String(name);
    }
    return shown.join(QLatin1Char(' '));
  }
};

TEST_F(CalculateMenuTest, TheRunItemFollowsTheChoiceOfTheForm) {
  TPlenzoForm* form = Open(
      "*PLENZO\r\n"
      "*|(Mode|Calculation\r\n"
      "*|Single run|Simulate|_Optimize\r\n"
      "*|Optimization|Optimize|_Simulate//checked\r\n"
      "*|)\r\n"
      "*|[Simulate|Single run\r\n*|*One run\r\n*|]\r\n"
      "*|[Optimize|Optimization\r\n*|*Many runs\r\n*|]\r\n");
  ASSERT_NE(form, nullptr);
  ASSERT_TRUE(ui_.texts().isEmpty()) << ui_.texts().join(QLatin1Char('\n')).toStdString();
  EXPECT_EQ(G().SimulateMode, 0);
  EXPECT_EQ(RunItem(), QStringLiteral("OptimizePelmarkSystem1"));

  Tmygroupbox* mode = nullptr;
  for (TFormElement* e : form->Model().Elements.OnPage(0)) {
    if (e->kind == ElementKind::RadioGroup) mode = dynamic_cast<Tmygroupbox*>(e->groupBox);
  }
  ASSERT_NE(mode, nullptr);
  mode->Items[0]->click();
  EXPECT_EQ(G().SimulateMode, 1);
  EXPECT_EQ(RunItem(), QStringLiteral("SimulateSpecificSystem1"));
  mode->Items[1]->click();
  EXPECT_EQ(RunItem(), QStringLiteral("OptimizePelmarkSystem1"));
}

}  // namespace
}  // namespace pm::test
