#include "authoring/ui/makegroupdlg.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "authoring/groupinput.h"
#include "authoring/pictureinput.h"
#include "authoring/ui/dialogparts.h"
#include "authoring/ui/editorlines.h"
#include "common/lib1.h"
#include "formdeck/formmodel.h"
#include "formdeck/ui/plenzoform.h"

namespace pm {

TMakeGroupDlg::TMakeGroupDlg(QPlainTextEdit* editor, QWidget* parent) : QDialog(parent), editor_(editor) {
  setObjectName(QStringLiteral("MakeGroupDlg"));
  setWindowTitle(QStringLiteral("Make Group"));
  auto* grid = new QGridLayout(this);
  GroupNameEdit = NewLineEdit(this, "GroupNameEdit");
  DescriptionEdit = NewLineEdit(this, "DescriptionEdit", 260);
  ColorBox = new ColorBoxFrame(this, "ColorBox");
  grid->addWidget(new QLabel(QStringLiteral("Group Name"), this), 0, 0);
  grid->addWidget(GroupNameEdit, 0, 1);
  grid->addWidget(new QLabel(QStringLiteral("Descriptor"), this), 1, 0);
  grid->addWidget(DescriptionEdit, 1, 1);
  grid->addWidget(new QLabel(QStringLiteral("Background Color"), this), 2, 0);
  grid->addWidget(ColorBox, 2, 1);
  AddOkCancel(this, grid, 3, &OKBtn, &CancelBtn);
  connect(OKBtn, &QPushButton::clicked, this, &TMakeGroupDlg::OKBtnClick);
}

void TMakeGroupDlg::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!activated_) {
    activated_ = true;
    FormActivate();
  }
}

void TMakeGroupDlg::FormActivate() {
  const TPlenzoForm* form = PlenzoFormInstance();
  formColor_ = form ? form->Model().Background : kWindowColor;
  ColorBox->SetColor(formColor_);
}

void TMakeGroupDlg::ColorBoxMouseDown() { ColorBox->ChooseColor(); }

void TMakeGroupDlg::OKBtnClick() {
  if (OkEndsBeforeWriting(this, editor_ != nullptr)) return;
  if (!activated_) FormActivate();
  // The group carries a colour only when it differs from the form's.
  const std::string colour = ColorBox->Color() == formColor_ ? std::string() : RgbText(ColorBox->Color());
  GroupRefusal refusal;
  {
    EditorSourceLines lines(editor_);
    refusal = WriteGroup(lines, DeckText(GroupNameEdit->text()), DeckText(DescriptionEdit->text()), colour);
  }
  switch (refusal) {
    case GroupRefusal::None:
      editor_->viewport()->update();
      accept();
      return;
    case GroupRefusal::Name:
      RejectField(GroupNameEdit);
      return;
    case GroupRefusal::Descriptor:
      RejectField(DescriptionEdit);
      return;
    default:
      ShowMessageKind(Shown(GroupRefusalMessage(refusal)), 0, true);
      return;
  }
}

bool ShowMakeGroupDlg(QWidget* parent) {
  TMakeGroupDlg dialog(AuthoringEditor(), parent);
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace pm
