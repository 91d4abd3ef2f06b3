#include "authoring/ui/backcolordlg.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "authoring/pictureinput.h"
#include "authoring/ui/dialogparts.h"

namespace pm {

TBackColorDlg::TBackColorDlg(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("BackColorDlg"));
  setWindowTitle(QStringLiteral("Select Color"));
  auto* grid = new QGridLayout(this);
  ColorBox = new ColorBoxFrame(this, "ColorBox");
  grid->addWidget(new QLabel(QStringLiteral("Background Color"), this), 0, 0);
  grid->addWidget(ColorBox, 0, 1);
  AddOkCancel(this, grid, 1, &OKBtn, &CancelBtn);
  connect(OKBtn, &QPushButton::clicked, this, &TBackColorDlg::OKBtnClick);
}

void TBackColorDlg::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!activated_) {
    activated_ = true;
    FormActivate();
  }
}

void TBackColorDlg::FormActivate() { ColorBox->SetColor(ColorOfText(ColorText)); }

void TBackColorDlg::ColorBoxMouseDown() { ColorBox->ChooseColor(); }

void TBackColorDlg::OKBtnClick() {
  if (!activated_) FormActivate();
  ColorText = RgbText(ColorBox->Color());
  accept();
}

bool ShowBackColorDlg(QWidget* parent, std::string* colourText) {
  TBackColorDlg dialog(parent);
  dialog.ColorText = *colourText;
  if (dialog.exec() != QDialog::Accepted) return false;
  *colourText = dialog.ColorText;
  return true;
}

}  // namespace pm
