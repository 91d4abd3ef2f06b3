#include "authoring/ui/assigndlg.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>

#include "authoring/ui/dialogparts.h"
#include "authoring/ui/editorlines.h"
#include "common/lib1.h"
#include "platform/uiservice.h"

namespace pm {

TAssignDlg::TAssignDlg(QPlainTextEdit* editor, QWidget* parent) : QDialog(parent), editor_(editor) {
  setObjectName(QStringLiteral("AssignDlg"));
  setWindowTitle(QStringLiteral("AssignDlg"));
  auto* grid = new QGridLayout(this);

  auto* statement = new QGroupBox(QStringLiteral("Assign Statement"), this);
  auto* top = new QGridLayout(statement);
  FileRefBox = NewCombo(statement, "FileRefBox", {}, false);
  FileReference = new QRadioButton(QStringLiteral("Linked to a Plenzo File Reference"), statement);
  FileReference->setObjectName(QStringLiteral("FileReference"));
  OpenFile = new QRadioButton(QStringLiteral("Linked to a Plenzo Open File Dialog"), statement);
  OpenFile->setObjectName(QStringLiteral("OpenFile"));
  NotLinked = new QRadioButton(QStringLiteral("Not linked to a Plenzo statement"), statement);
  NotLinked->setObjectName(QStringLiteral("NotLinked"));
  top->addWidget(new QLabel(QStringLiteral("File Reference No"), statement), 0, 0);
  top->addWidget(FileRefBox, 0, 1);
  top->addWidget(FileReference, 1, 0, 1, 2);
  top->addWidget(OpenFile, 2, 0, 1, 2);
  top->addWidget(NotLinked, 3, 0, 1, 2);
  grid->addWidget(statement, 0, 0);

  auto* info = new QGroupBox(QStringLiteral("File Information"), this);
  auto* file = new QGridLayout(info);
  FileNameEdit = NewLineEdit(info, "FileNameEdit", 260);
  BrowseBtn = NewButton(info, "BrowseBtn", QStringLiteral("Browse"));
  ShowFileBtn = NewButton(info, "ShowFileBtn", QStringLiteral("Show File"));
  DisplaySpin = NewIntSpin(info, "DisplaySpin");
  FileSpin = NewIntSpin(info, "FileSpin");
  Description = NewLineEdit(info, "Description");
  HelpSpin = NewIntSpin(info, "HelpSpin");
  displayLabel_ = new QLabel(QStringLiteral("Column Displayed"), info);
  fileColumnLabel_ = new QLabel(QStringLiteral("Column with Filename"), info);
  descriptionLabel_ = new QLabel(QStringLiteral("Descriptive Name"), info);
  helpLabel_ = new QLabel(QStringLiteral("Help No"), info);
  file->addWidget(new QLabel(QStringLiteral("File Name"), info), 0, 0);
  file->addWidget(FileNameEdit, 0, 1, 1, 2);
  file->addWidget(BrowseBtn, 1, 1);
  file->addWidget(ShowFileBtn, 1, 2);
  file->addWidget(displayLabel_, 2, 0);
  file->addWidget(DisplaySpin, 2, 1);
  file->addWidget(fileColumnLabel_, 3, 0);
  file->addWidget(FileSpin, 3, 1);
  file->addWidget(descriptionLabel_, 4, 0);
  file->addWidget(Description, 4, 1, 1, 2);
  file->addWidget(helpLabel_, 5, 0);
  file->addWidget(HelpSpin, 5, 1);
  grid->addWidget(info, 1, 0);

  AddOkCancel(this, grid, 2, &OKBtn, &CancelBtn);
  connect(OKBtn, &QPushButton::clicked, this, &TAssignDlg::OKBtnClick);
  connect(BrowseBtn, &QPushButton::clicked, this, &TAssignDlg::BrowseBtnClick);
  connect(ShowFileBtn, &QPushButton::clicked, this, &TAssignDlg::ShowFileBtnClick);
  connect(FileRefBox, &QComboBox::activated, this, [this] { FileRefBoxChange(); });
  connect(FileReference, &QRadioButton::toggled, this, [this](bool on) {
    if (on) FileReferenceClick();
  });
  connect(OpenFile, &QRadioButton::toggled, this, [this](bool on) {
    if (on) OpenFileClick();
  });
  connect(NotLinked, &QRadioButton::toggled, this, [this](bool on) {
    if (on) NotLinkedClick();
  });
  FormCreate();
}

void TAssignDlg::FormCreate() {
  if (!editor_) return;
  const EditorSourceLines lines(editor_);
  statements_ = ScanAssignStatements(lines);
  for (const AssignStatement& s : statements_) FileRefBox->addItem(Shown(s.unit));
  // The first statement is loaded at once: an OK before any choice must
  // not rewrite it from empty fields.
  if (!statements_.empty()) {
    FileRefBox->setCurrentIndex(0);
    FileRefBoxChange();
  }
}

void TAssignDlg::ShowLinkControls(bool columns, bool description) {
  displayLabel_->setVisible(columns);
  DisplaySpin->setVisible(columns);
  fileColumnLabel_->setVisible(columns);
  FileSpin->setVisible(columns);
  descriptionLabel_->setVisible(description);
  Description->setVisible(description);
  helpLabel_->setVisible(description);
  HelpSpin->setVisible(description);
}

void TAssignDlg::CheckLink(QRadioButton* button) {
  // Checked from code, the radio's handler runs as a click would run it.
  if (button->isChecked()) {
    if (button == FileReference) FileReferenceClick();
    if (button == OpenFile) OpenFileClick();
    if (button == NotLinked) NotLinkedClick();
  } else {
    button->setChecked(true);
  }
}

void TAssignDlg::FileRefBoxChange() {
  const int item = FileRefBox->currentIndex();
  if (!editor_ || item < 0 || item >= static_cast<int>(statements_.size())) return;
  FileNameEdit->clear();
  Description->clear();
  ShowLinkControls(false, false);
  const EditorSourceLines lines(editor_);
  std::string bad;
  AssignFields fields;
  const bool read = LoadAssign(lines, statements_[static_cast<size_t>(item)], &fields, &bad);
  loaded_ = fields;
  FileNameEdit->setText(Shown(fields.fileName));
  if (!read) {
    ShowMessageKind(NotIntegerMessage(Shown(bad)), 0, true);
    return;
  }
  Description->setText(Shown(fields.description));
  DisplaySpin->setValue(fields.displayColumn);
  FileSpin->setValue(fields.fileColumn);
  HelpSpin->setValue(fields.help);
  CheckLink(fields.link == AssignLink::OpenFile        ? OpenFile
            : fields.link == AssignLink::FileReference ? FileReference
                                                       : NotLinked);
}

void TAssignDlg::NotLinkedClick() { ShowLinkControls(false, false); }
void TAssignDlg::FileReferenceClick() { ShowLinkControls(true, true); }
void TAssignDlg::OpenFileClick() { ShowLinkControls(false, true); }

void TAssignDlg::BrowseBtnClick() {
  FileDialogRequest request;
  request.filter = QStringLiteral("Text Files (*.txt *.TXT);;Data Files (*.dat *.DAT);;All Files (*)");
  const QString name = ui().openFileName(this, request);
  if (!name.isEmpty()) FileNameEdit->setText(name);
}

void TAssignDlg::ShowFileBtnClick() { ShowFileText(this, FileNameEdit->text()); }

void TAssignDlg::OKBtnClick() {
  const int item = FileRefBox->currentIndex();
  if (OkEndsBeforeWriting(this, editor_ && item >= 0 && item < static_cast<int>(statements_.size()))) return;
  AssignFields f = loaded_;
  f.fileName = DeckText(FileNameEdit->text());
  f.link = OpenFile->isChecked()        ? AssignLink::OpenFile
           : FileReference->isChecked() ? AssignLink::FileReference
                                        : AssignLink::NotLinked;
  f.description = DeckText(Description->text());
  f.displayColumn = DisplaySpin->value();
  f.fileColumn = FileSpin->value();
  f.help = HelpSpin->value();
  // A list file belongs to a file-reference link only.
  if (loaded_.link != AssignLink::FileReference) f.hasListFile = false;
  AssignField fault;
  {
    EditorSourceLines lines(editor_);
    fault = WriteAssign(lines, statements_[static_cast<size_t>(item)], f);
  }
  if (fault != AssignField::None) {
    RejectField(fault == AssignField::Description ? Description : FileNameEdit);
    return;
  }
  editor_->viewport()->update();
  accept();
}

bool ShowAssignDlg(QWidget* parent) {
  TAssignDlg dialog(AuthoringEditor(), parent);
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace pm
