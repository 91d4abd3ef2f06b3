#include "authoring/ui/fileinputdlg.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>

#include "authoring/equationscan.h"
#include "authoring/ui/dialogparts.h"
#include "authoring/ui/editorlines.h"
#include "common/lib1.h"
#include "platform/uiservice.h"

namespace pm {

TFileInputDlg::TFileInputDlg(QPlainTextEdit* editor, QWidget* parent) : QDialog(parent), editor_(editor) {
  setObjectName(QStringLiteral("FileInputDlg"));
  setWindowTitle(QStringLiteral("File Input Dialog"));
  auto* grid = new QGridLayout(this);
  VariableBox = NewCombo(this, "VariableBox", {}, false);
  Edit1 = NewLineEdit(this, "Edit1");
  HelpSpin = NewIntSpin(this, "HelpSpin");
  grid->addWidget(new QLabel(QStringLiteral("Quorvel Variable"), this), 0, 0);
  grid->addWidget(VariableBox, 0, 1);
  grid->addWidget(new QLabel(QStringLiteral("Descriptive Name"), this), 1, 0);
  grid->addWidget(Edit1, 1, 1, 1, 2);
  grid->addWidget(new QLabel(QStringLiteral("Help ID"), this), 2, 0);
  grid->addWidget(HelpSpin, 2, 1);

  FileGroup = new QGroupBox(QStringLiteral("File Information"), this);
  auto* file = new QGridLayout(FileGroup);
  FileNameEdit = NewLineEdit(FileGroup, "FileNameEdit", 260);
  BrowseBtn = NewButton(FileGroup, "BrowseBtn", QStringLiteral("Browse"));
  DisplaySpin = NewIntSpin(FileGroup, "DisplaySpin");
  ValueSpin = NewIntSpin(FileGroup, "ValueSpin");
  ShowFileBtn = NewButton(FileGroup, "ShowFileBtn", QStringLiteral("Show File"));
  file->addWidget(new QLabel(QStringLiteral("File Name"), FileGroup), 0, 0);
  file->addWidget(FileNameEdit, 0, 1, 1, 2);
  file->addWidget(BrowseBtn, 0, 3);
  file->addWidget(new QLabel(QStringLiteral("Display Column"), FileGroup), 1, 0);
  file->addWidget(DisplaySpin, 1, 1);
  file->addWidget(new QLabel(QStringLiteral("Value Column"), FileGroup), 2, 0);
  file->addWidget(ValueSpin, 2, 1);
  file->addWidget(ShowFileBtn, 2, 3);
  grid->addWidget(FileGroup, 3, 0, 1, 3);

  AddOkCancel(this, grid, 4, &OKBtn, &CancelBtn);
  connect(OKBtn, &QPushButton::clicked, this, &TFileInputDlg::OKBtnClick);
  connect(BrowseBtn, &QPushButton::clicked, this, &TFileInputDlg::BrowseBtnClick);
  connect(ShowFileBtn, &QPushButton::clicked, this, &TFileInputDlg::ShowFileBtnClick);
  connect(VariableBox, &QComboBox::activated, this, [this] { VariableBoxChange(); });
  FormCreate();
}

void TFileInputDlg::FormCreate() {
  if (!editor_) return;
  const EditorSourceLines lines(editor_);
  FillVariableBox(VariableBox, ScanEquations(lines, EquationInput::List));
}

void TFileInputDlg::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!activated_) {
    activated_ = true;
    FormActivate();
  }
}

void TFileInputDlg::FormActivate() {
  if (VariableBox->count() == 0) return;
  VariableBox->setCurrentIndex(0);
  VariableBoxChange();
}

int TFileInputDlg::ItemIndex() const {
  return SelectedVariableLine(VariableBox);
}

void TFileInputDlg::VariableBoxChange() {
  if (!editor_ || ItemIndex() == 0) return;
  const EditorSourceLines lines(editor_);
  std::string bad;
  ListFields fields;
  const bool read = LoadListLine(lines, ItemIndex(), &fields, &bad);
  loaded_ = fields;
  Edit1->setText(Shown(fields.label));
  FileNameEdit->setText(Shown(fields.fileName));
  DisplaySpin->setValue(fields.displayColumn);
  ValueSpin->setValue(fields.valueColumn);
  HelpSpin->setValue(fields.help);
  if (!read) ShowMessageKind(NotIntegerMessage(Shown(bad)), 0, true);
}

void TFileInputDlg::OKBtnClick() {
  if (OkEndsBeforeWriting(this, editor_ && ItemIndex() != 0)) return;
  ListFields f = loaded_;
  f.label = DeckText(Edit1->text());
  f.fileName = DeckText(FileNameEdit->text());
  f.displayColumn = DisplaySpin->value();
  f.valueColumn = ValueSpin->value();
  f.help = HelpSpin->value();
  ListField fault;
  {
    EditorSourceLines lines(editor_);
    fault = WriteListInput(lines, ItemIndex(), f);
  }
  if (fault != ListField::None) {
    RejectField(fault == ListField::Label ? Edit1 : FileNameEdit);
    return;
  }
  editor_->viewport()->update();
  accept();
}

void TFileInputDlg::BrowseBtnClick() {
  FileDialogRequest request;
  request.filter = QStringLiteral("Text Files (*.txt *.TXT);;Data Files (*.dat *.DAT);;All Files (*)");
  const QString name = ui().openFileName(this, request);
  if (!name.isEmpty()) FileNameEdit->setText(name);
}

void TFileInputDlg::ShowFileBtnClick() { ShowFileText(this, FileNameEdit->text()); }

bool ShowFileInputDlg(QWidget* parent) {
  TFileInputDlg dialog(AuthoringEditor(), parent);
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace pm
