// The authoring commands of the Plenzo menu: each opens its mark-up dialog
// over the current form window's Source editor, and does nothing unless a
// form window exists with a selected tab.
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

bool AuthoringFormReady() {
  const TPlenzoForm* form = PlenzoFormInstance();
  return form && form->TabControl() && form->TabControl()->currentIndex() >= 0;
}

}  // namespace

void TOSTRELFORM::Background1Click() {
  if (!AuthoringFormReady()) return;
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
  if (AuthoringFormReady() && ShowTextInputDlg(this)) update();
}

void TOSTRELFORM::AddFigure1Click() {
  if (AuthoringFormReady() && ShowAddPictureDlg(this)) update();
}

void TOSTRELFORM::ValueInputClick() {
  if (AuthoringFormReady() && ShowValueInputDlg(this)) update();
}

void TOSTRELFORM::DropdownInput1Click() {
  if (AuthoringFormReady() && ShowFileInputDlg(this)) update();
}

void TOSTRELFORM::Assign1Click() {
  if (AuthoringFormReady() && ShowAssignDlg(this)) update();
}

void TOSTRELFORM::Group1Click() {
  if (AuthoringFormReady() && ShowMakeGroupDlg(this)) update();
}

}  // namespace pm
