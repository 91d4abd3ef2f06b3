#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace pm {

// The About box, also the splash window at start-up. Only its OK button
// closes it: it has no title bar, and Escape and a close request are ignored.
class TAboutBox final : public QDialog {
  Q_OBJECT

 public:
  explicit TAboutBox(QWidget* parent = nullptr);

  void FormCreate() {}
  void InfoClick();

  QWidget* Image1 = nullptr;
  QLabel* Version = nullptr;
  QPushButton* OKButton = nullptr;
  QPushButton* Info = nullptr;

  void reject() override;

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  bool closing_ = false;
};

}  // namespace pm
