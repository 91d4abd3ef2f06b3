#include "authoring/ui/valueinputdlg.h"

#include <QCheckBox>
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
#include "formdeck/markuptext.h"

namespace pm {

namespace {

void SetSize(QSpinBox* box, const std::string& text) {
  int size = 0;
  box->setValue(ReadInteger(text, &size) && size >= 1 ? size : 10);
}

}  // namespace

TValueInputDlg::TValueInputDlg(QPlainTextEdit* editor, QWidget* parent) : QDialog(parent), editor_(editor) {
  setObjectName(QStringLiteral("ValueInputDlg"));
  setWindowTitle(QStringLiteral("Enter or Modify Input Value"));
  auto* grid = new QGridLayout(this);

  VariableBox = NewCombo(this, "VariableBox", {}, false);
  Edit1 = NewLineEdit(this, "Edit1");
  grid->addWidget(new QLabel(QStringLiteral("Quorvel Variable"), this), 0, 0);
  grid->addWidget(VariableBox, 0, 1);
  grid->addWidget(new QLabel(QStringLiteral("Descriptive Name"), this), 1, 0);
  grid->addWidget(Edit1, 1, 1, 1, 3);

  UnitsGroup = new QGroupBox(QStringLiteral("Units"), this);
  auto* units = new QGridLayout(UnitsGroup);
  PrimaryEdit = NewLineEdit(UnitsGroup, "PrimaryEdit");
  SEcondaryEdit = NewLineEdit(UnitsGroup, "SEcondaryEdit");
  AddEdit = NewLineEdit(UnitsGroup, "AddEdit");
  MultEdit = NewLineEdit(UnitsGroup, "MultEdit");
  ColorBox3 = NewCombo(UnitsGroup, "ColorBox3", MarkupColorItems(), true, 9);
  units->addWidget(new QLabel(QStringLiteral("Primary Units"), UnitsGroup), 0, 0);
  units->addWidget(PrimaryEdit, 0, 1);
  units->addWidget(new QLabel(QStringLiteral("Secondary Units"), UnitsGroup), 0, 2);
  units->addWidget(SEcondaryEdit, 0, 3);
  units->addWidget(new QLabel(QStringLiteral("Secondary ="), UnitsGroup), 1, 0);
  units->addWidget(AddEdit, 1, 1);
  units->addWidget(new QLabel(QStringLiteral("+ Primary *"), UnitsGroup), 1, 2);
  units->addWidget(MultEdit, 1, 3);
  units->addWidget(new QLabel(QStringLiteral("Color"), UnitsGroup), 2, 0);
  units->addWidget(ColorBox3, 2, 1);
  grid->addWidget(UnitsGroup, 2, 0, 1, 4);

  auto* valuesGroup = new QGroupBox(QStringLiteral("Values"), this);
  auto* values = new QGridLayout(valuesGroup);
  MinValueEdit = NewLineEdit(valuesGroup, "MinValueEdit");
  MaxValueEdit = NewLineEdit(valuesGroup, "MaxValueEdit");
  values->addWidget(new QLabel(QStringLiteral("Minimum value"), valuesGroup), 0, 0);
  values->addWidget(MinValueEdit, 0, 1);
  values->addWidget(new QLabel(QStringLiteral("Maximum value (and format)"), valuesGroup), 1, 0);
  values->addWidget(MaxValueEdit, 1, 1);
  grid->addWidget(valuesGroup, 3, 0, 1, 2);

  HelpSpin = NewIntSpin(this, "HelpSpin");
  auto* help = new QGridLayout;
  help->addWidget(new QLabel(QStringLiteral("Help ID number"), this), 0, 0);
  help->addWidget(HelpSpin, 1, 0);
  help->setRowStretch(2, 1);
  grid->addLayout(help, 3, 2, 1, 2);

  auto* fontGroup = new QGroupBox(QStringLiteral("Font"), this);
  auto* font = new QGridLayout(fontGroup);
  FontBox2 = NewCombo(fontGroup, "FontBox2", MarkupFontItems(), true, 16);
  SizeBox2 = NewIntSpin(fontGroup, "SizeBox2", true);
  SizeBox2->setValue(10);
  StyleBox2 = NewCombo(fontGroup, "StyleBox2", MarkupStyleItems(), true, 9);
  ColorBox2 = NewCombo(fontGroup, "ColorBox2", MarkupColorItems(), true, 9);
  font->addWidget(new QLabel(QStringLiteral("Name"), fontGroup), 0, 0);
  font->addWidget(new QLabel(QStringLiteral("Size"), fontGroup), 0, 1);
  font->addWidget(new QLabel(QStringLiteral("Style"), fontGroup), 0, 2);
  font->addWidget(new QLabel(QStringLiteral("Color"), fontGroup), 0, 3);
  font->addWidget(FontBox2, 1, 0);
  font->addWidget(SizeBox2, 1, 1);
  font->addWidget(StyleBox2, 1, 2);
  font->addWidget(ColorBox2, 1, 3);
  grid->addWidget(fontGroup, 4, 0, 1, 4);

  SameBox = new QCheckBox(QStringLiteral("Use same font information for all following items"), this);
  SameBox->setObjectName(QStringLiteral("SameBox"));
  SameBox->setChecked(true);
  grid->addWidget(SameBox, 5, 0, 1, 4);

  // Filled and read by nothing: the tab stops are not written.
  TabV2 = NewLineEdit(this, "TabV2");
  TabV3 = NewLineEdit(this, "TabV3");
  inCm2 = NewCombo(this, "inCm2", {QStringLiteral("in"), QStringLiteral("cm")}, false);
  inCm3 = NewCombo(this, "inCm3", {QStringLiteral("in"), QStringLiteral("cm")}, false);
  for (QWidget* w : {static_cast<QWidget*>(TabV2), static_cast<QWidget*>(TabV3), static_cast<QWidget*>(inCm2),
                     static_cast<QWidget*>(inCm3)})
    w->hide();

  AddOkCancel(this, grid, 6, &OKBtn, &CancelBtn);
  connect(OKBtn, &QPushButton::clicked, this, &TValueInputDlg::OKBtnClick);
  connect(VariableBox, &QComboBox::activated, this, [this] { VariableBoxChange(); });
  FormCreate();
}

void TValueInputDlg::FormCreate() {
  if (!editor_) return;
  const EditorSourceLines lines(editor_);
  FillVariableBox(VariableBox, ScanEquations(lines, EquationInput::Numeric));
}

void TValueInputDlg::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!activated_) {
    activated_ = true;
    FormActivate();
  }
}

void TValueInputDlg::FormActivate() {
  if (VariableBox->count() == 0) return;
  VariableBox->setCurrentIndex(0);
  // The selected item is loaded at once, so that OK cannot overwrite its
  // existing line with empty fields.
  VariableBoxChange();
}

int TValueInputDlg::ItemIndex() const {
  return SelectedVariableLine(VariableBox);
}

void TValueInputDlg::GetFontInfo() {
  if (!editor_ || ItemIndex() == 0) return;
  const EditorSourceLines lines(editor_);
  const ValueFont font = CurrentValueFont(lines, ItemIndex());
  FontBox2->setCurrentText(Shown(font.label.font));
  SetSize(SizeBox2, font.label.size);
  StyleBox2->setCurrentText(Shown(font.label.style));
  ColorBox2->setCurrentText(Shown(font.label.color));
  // The value colour in force, so that an OK leaves it as it is.
  ColorBox3->setCurrentText(Shown(font.valueColor));
}

void TValueInputDlg::VariableBoxChange() {
  if (!editor_ || ItemIndex() == 0) return;
  GetFontInfo();
  const EditorSourceLines lines(editor_);
  std::string bad;
  ValueFields fields;
  // A help number that is no integer stops the load there; what was read
  // shows, and the item's own prefix and tail stay with it.
  const bool read = LoadValueLine(lines, ItemIndex(), &fields, &bad);
  loaded_ = fields;
  Edit1->setText(Shown(fields.label));
  PrimaryEdit->setText(Shown(fields.primaryUnit));
  SEcondaryEdit->setText(Shown(fields.secondaryUnit));
  AddEdit->setText(Shown(fields.offset));
  MultEdit->setText(Shown(fields.factor));
  if (ItemIndex() < 0) {
    MinValueEdit->setText(Shown(fields.minimum));
    MaxValueEdit->setText(Shown(fields.maximum));
  }
  HelpSpin->setValue(fields.help);
  if (!read) ShowMessageKind(NotIntegerMessage(Shown(bad)), 0, true);
}

void TValueInputDlg::OKBtnClick() {
  if (OkEndsBeforeWriting(this, editor_ && ItemIndex() != 0)) return;
  ValueInput input;
  input.fields = loaded_;
  ValueFields& f = input.fields;
  f.label = DeckText(Edit1->text());
  f.primaryUnit = DeckText(PrimaryEdit->text());
  f.secondaryUnit = DeckText(SEcondaryEdit->text());
  f.offset = DeckText(AddEdit->text());
  f.factor = DeckText(MultEdit->text());
  f.minimum = Trimmed(DeckText(MinValueEdit->text()));
  f.maximum = Trimmed(DeckText(MaxValueEdit->text()));
  f.help = HelpSpin->value();
  input.fontName = DeckText(FontBox2->currentText());
  input.fontSize = SizeBox2->value();
  input.fontStyle = DeckText(StyleBox2->currentText());
  input.fontColor = DeckText(ColorBox2->currentText());
  input.valueColor = DeckText(ColorBox3->currentText());
  input.sameFont = SameBox->isChecked();
  ValueField fault;
  {
    EditorSourceLines lines(editor_);
    fault = WriteValueInput(lines, ItemIndex(), input);
  }
  QWidget* const fields[] = {nullptr, Edit1,    PrimaryEdit,  SEcondaryEdit,
                             AddEdit, MultEdit, MinValueEdit, MaxValueEdit};
  if (fault != ValueField::None) {
    RejectField(fields[static_cast<int>(fault)]);
    return;
  }
  editor_->viewport()->update();
  accept();
}

bool ShowValueInputDlg(QWidget* parent) {
  TValueInputDlg dialog(AuthoringEditor(), parent);
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace pm
