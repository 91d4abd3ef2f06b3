// The authoring commands of the Plenzo menu: each shows the current form
// window's Source tab, then opens its mark-up dialog over the Source editor.
// They do nothing while a run uses the deck, without a form window with a
// selected tab and a Source tab, or when the form refuses to leave its page.
#include <QAction>
#include <QMdiArea>
#include <QPlainTextEdit>

#include "authoring/pictureinput.h"
#include "authoring/ui/addpicturedlg.h"
#include "authoring/ui/assigndlg.h"
#include "authoring/ui/backcolordlg.h"
#include "authoring/ui/editorlines.h"
#include "authoring/ui/fileinputdlg.h"
#include "authoring/ui/makegroupdlg.h"
#include "authoring/ui/textinputdlg.h"
#include "authoring/ui/valueinputdlg.h"
#include "formdeck/ui/formtabbar.h"
#include "formdeck/ui/plenzoform.h"
#include "shell/ui/ostrelform.h"

namespace pm {

namespace {

bool AuthoringFormExists() {
  const TPlenzoForm* form = PlenzoFormInstance();
  return form && form->TabControl() && form->TabControl()->currentIndex() >= 0;
}

bool AuthoringFormReady(TOSTRELFORM& main) {
  if (RunBusy(main.Runs) || !AuthoringFormExists()) return false;
  TPlenzoForm* form = PlenzoFormInstance();
  if (!form->HasSourceTab()) return false;
  if (form->SubWindow()) main.MdiArea()->setActiveSubWindow(form->SubWindow());
  // Leaving a page checks the focused input and writes the values into the
  // Source; the dialog edits that text, so a refusal ends the command.
  form->UserSelectsTab(0);
  return form->IsSourceTabCurrent();
}

}  // namespace

void TOSTRELFORM::Plenzo1Click() {
  // The authoring commands stay reachable only from code: opening the menu
  // hides all seven items, enabled or not.
  const bool ready = AuthoringFormExists();
  for (const char* name :
       {"Background1", "SimpleText1", "AddFigure1", "ValueInput", "DropdownInput1", "Assign1", "Group1"}) {
    QAction* item = Item(QLatin1String(name));
    item->setEnabled(ready);
    item->setVisible(false);
  }
}

void TOSTRELFORM::Background1Click() {
  if (!AuthoringFormReady(*this)) return;
  QPlainTextEdit* editor = AuthoringEditor();
  if (!editor) return;
  int line = -1;
  std::string colour;
  {
    const EditorSourceLines lines(editor);
    colour = BackgroundColorText(lines, &line);
  }
  if (!ShowBackColorDlg(this, &colour)) return;
  EditorSourceLines lines(editor);
  WriteBackground(lines, line, colour);
}

void TOSTRELFORM::SimpleText1Click() {
  if (AuthoringFormReady(*this) && ShowTextInputDlg(this)) update();
}

void TOSTRELFORM::AddFigure1Click() {
  if (AuthoringFormReady(*this) && ShowAddPictureDlg(this)) update();
}

void TOSTRELFORM::ValueInputClick() {
  if (AuthoringFormReady(*this) && ShowValueInputDlg(this)) update();
}

void TOSTRELFORM::DropdownInput1Click() {
  if (AuthoringFormReady(*this) && ShowFileInputDlg(this)) update();
}

void TOSTRELFORM::Assign1Click() {
  if (AuthoringFormReady(*this) && ShowAssignDlg(this)) update();
}

void TOSTRELFORM::Group1Click() {
  if (AuthoringFormReady(*this) && ShowMakeGroupDlg(this)) update();
}

}  // namespace pm
