#pragma once

#include <QWidget>

class QLabel;

namespace pm {

// The notice shown while pages are printed; printing shows and hides it.
class TPrintProgress final : public QWidget {
  Q_OBJECT

 public:
  explicit TPrintProgress(QWidget* parent = nullptr);
  QLabel* ProgressL = nullptr;

 protected:
  void showEvent(QShowEvent* event) override;
};

}  // namespace pm
