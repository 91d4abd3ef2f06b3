// What counts as a change of the form since the last save.
#include <functional>

#include "formdeck/ui/choiceitems.h"
#include "writebacksupport.h"

namespace pm::test {
namespace {

class ChangesTest : public DeckCopyTest {};

TEST_F(ChangesTest, EachKindOfEditIsAChangeUntilClearModify) {
  struct Case {
    const char* what;
    std::function<void()> edit;
  };
  const Case cases[] = {
      {"numeric input", [this] { Type(Input("FLOW "), QStringLiteral("3")); }},
      {"free text",
       [this] {
         Type(dynamic_cast<TInput*>(form->Model().Elements.First(0)->valueInput), QStringLiteral("x"));
       }},
      {"list choice", [this] { List("PUMP ")->setCurrentIndex(0); }},
      {"file dialog", [this] { dynamic_cast<TOpenFile*>(Element("ASSIGN")->fileInput)->ShowOpenFileDlg(); }},
      {"radio item",
       [this] {
         for (TFormElement* e = form->Model().Elements.Oldest(); e; e = e->newer)
           if (e->kind == ElementKind::RadioGroup) dynamic_cast<Tmygroupbox*>(e->groupBox)->Items[1]->click();
       }},
  };
  for (const Case& c : cases) {
    Open("writeback");
    EXPECT_FALSE(form->DCKChanged()) << c.what;
    c.edit();
    const int closed = host.resultsClosed;
    EXPECT_TRUE(form->DCKChanged()) << c.what;
    EXPECT_EQ(host.resultsClosed, closed + 1) << c.what;  // results of the old values are stale
    form->ClearModify();
    EXPECT_FALSE(form->DCKChanged()) << c.what;
    EXPECT_EQ(host.resultsClosed, closed + 1) << c.what;
  }
}

}  // namespace
}  // namespace pm::test
