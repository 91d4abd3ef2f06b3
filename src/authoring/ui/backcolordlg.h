#pragma once

#include <QDialog>
#include <string>

class QPushButton;

namespace pm {

class ColorBoxFrame;

// "Select Color": a colour, returned as an "RGB(" text.
class TBackColorDlg : public QDialog {
 public:
  explicit TBackColorDlg(QWidget* parent = nullptr);

  void FormActivate();
  void ColorBoxMouseDown();
  void OKBtnClick();

  // Set before the dialog shows; after OK the chosen colour.
  std::string ColorText;
  ColorBoxFrame* ColorBox = nullptr;
  QPushButton* OKBtn = nullptr;
  QPushButton* CancelBtn = nullptr;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  bool activated_ = false;
};

// Shows the dialog over colourText; true, with the text replaced, after OK.
bool ShowBackColorDlg(QWidget* parent, std::string* colourText);

}  // namespace pm
