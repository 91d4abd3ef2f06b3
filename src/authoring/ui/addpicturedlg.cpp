#include "authoring/ui/addpicturedlg.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "authoring/pictureinput.h"
#include "authoring/ui/dialogparts.h"
#include "authoring/ui/editorlines.h"
#include "common/lib1.h"
#include "platform/uiservice.h"

namespace pm {

TAddPictureDlg::TAddPictureDlg(QPlainTextEdit* editor, QWidget* parent) : QDialog(parent), editor_(editor) {
  setObjectName(QStringLiteral("AddPictureDlg"));
  setWindowTitle(QStringLiteral("Add Picture"));
  auto* grid = new QGridLayout(this);
  Edit1 = NewLineEdit(this, "Edit1", 260);
  AlignBox = NewCombo(this, "AlignBox", JustificationItems(), false);
  AlignBox->setCurrentIndex(-1);
  BrowseBtn = NewButton(this, "BrowseBtn", QStringLiteral("Browse"));
  ShowFileBtn = NewButton(this, "ShowFileBtn", QStringLiteral("Show File"));
  grid->addWidget(new QLabel(QStringLiteral("Filename"), this), 0, 0);
  grid->addWidget(Edit1, 0, 1, 1, 2);
  grid->addWidget(BrowseBtn, 1, 1);
  grid->addWidget(ShowFileBtn, 1, 2);
  grid->addWidget(new QLabel(QStringLiteral("Justication"), this), 2, 0);
  grid->addWidget(AlignBox, 2, 1);
  AddOkCancel(this, grid, 3, &OKBtn, &CancelBtn);
  connect(OKBtn, &QPushButton::clicked, this, &TAddPictureDlg::OKBtnClick);
  connect(BrowseBtn, &QPushButton::clicked, this, &TAddPictureDlg::BrowseBtnClick);
  connect(ShowFileBtn, &QPushButton::clicked, this, &TAddPictureDlg::ShowFileBtnClick);
}

void TAddPictureDlg::BrowseBtnClick() {
  FileDialogRequest request;
  request.filter = QStringLiteral("Bitmap Files (*.bmp *.BMP);;All Files (*)");
  request.defaultSuffix = QStringLiteral("bmp");
  const QString name = ui().openFileName(this, request);
  if (!name.isEmpty()) Edit1->setText(name);
}

void TAddPictureDlg::ShowFileBtnClick() { ShowPictureFile(this, Edit1->text()); }

void TAddPictureDlg::OKBtnClick() {
  if (OkEndsBeforeWriting(this, editor_ != nullptr)) return;
  const QString justification = AlignBox->currentIndex() < 0 ? QString() : AlignBox->currentText();
  bool written;
  {
    EditorSourceLines lines(editor_);
    written = WritePicture(lines, DeckText(Edit1->text()), DeckText(justification));
  }
  if (!written) {
    RejectField(Edit1);
    return;
  }
  editor_->viewport()->update();
  accept();
}

bool ShowAddPictureDlg(QWidget* parent) {
  TAddPictureDlg dialog(AuthoringEditor(), parent);
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace pm
