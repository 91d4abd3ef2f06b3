#include "authoring/ui/textinputdlg.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>

#include "authoring/textinput.h"
#include "authoring/ui/dialogparts.h"
#include "authoring/ui/editorlines.h"
#include "common/lib1.h"

namespace pm {

TTextInputDlg::TTextInputDlg(QPlainTextEdit* editor, QWidget* parent) : QDialog(parent), editor_(editor) {
  setObjectName(QStringLiteral("TextInputDlg"));
  setWindowTitle(QStringLiteral("Simple Text Properties"));
  auto* grid = new QGridLayout(this);
  Edit1 = NewLineEdit(this, "Edit1", 320);
  FontBox = NewCombo(this, "FontBox", MarkupFontItems(), true, 16);
  SizeBox = NewIntSpin(this, "SizeBox", true);
  SizeBox->setValue(10);
  StyleBox = NewCombo(this, "StyleBox", MarkupStyleItems(), true, 9);
  ColorBox = NewCombo(this, "ColorBox", MarkupColorItems(), true, 9);
  ColorBox->setCurrentText(QStringLiteral("DEF"));
  AlignBox = NewCombo(this, "AlignBox", JustificationItems(), true, 7);
  grid->addWidget(new QLabel(QStringLiteral("Text "), this), 0, 0);
  grid->addWidget(Edit1, 0, 1, 1, 4);
  const char* const captions[] = {"Font", "Size", "Style", "Color", "Position"};
  QWidget* const boxes[] = {FontBox, SizeBox, StyleBox, ColorBox, AlignBox};
  for (int i = 0; i < 5; ++i) {
    grid->addWidget(new QLabel(QLatin1String(captions[i]), this), 1, i);
    grid->addWidget(boxes[i], 2, i);
  }
  AddOkCancel(this, grid, 3, &OKBtn, &CancelBtn);
  connect(OKBtn, &QPushButton::clicked, this, &TTextInputDlg::OKBtnClick);
}

void TTextInputDlg::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!activated_) {
    activated_ = true;
    FormActivate();
  }
}

void TTextInputDlg::FormActivate() {
  if (!editor_) return;
  const EditorSourceLines lines(editor_);
  p_ = lines.CaretLine();
  // The lines go in before the caret line: settings on it are not yet in force.
  const SlotSettings current = CurrentTextSettings(lines, p_);
  FontBox->setCurrentText(Shown(current.font));
  int size = 0;
  SizeBox->setValue(ReadInteger(current.size, &size) && size >= 1 ? size : 10);
  StyleBox->setCurrentText(Shown(current.style));
  ColorBox->setCurrentText(Shown(current.color));
  AlignBox->setCurrentText(Shown(current.align));
}

void TTextInputDlg::OKBtnClick() {
  if (OkEndsBeforeWriting(this, editor_ != nullptr)) return;
  if (!activated_) FormActivate();
  TextItem item;
  item.text = DeckText(Edit1->text());
  item.font = DeckText(FontBox->currentText());
  item.size = SizeBox->value();
  item.style = DeckText(StyleBox->currentText());
  item.color = DeckText(ColorBox->currentText());
  item.align = DeckText(AlignBox->currentText());
  bool written;
  {
    EditorSourceLines lines(editor_);
    written = WriteTextItem(lines, p_, item);
  }
  if (!written) {
    RejectField(Edit1);
    return;
  }
  editor_->viewport()->update();
  accept();
}

bool ShowTextInputDlg(QWidget* parent) {
  TTextInputDlg dialog(AuthoringEditor(), parent);
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace pm
