#pragma once

#include <QTabBar>

namespace pm {

class TPlenzoForm;

// The form's tab control. Every change the user makes goes through the
// form's TabControlChanging first (mouse, wheel); keys are the form's own.
// Tab names are kept as data, so "&" in a name is no mnemonic.
class TFormTabBar : public QTabBar {
  Q_OBJECT
 public:
  TFormTabBar(TPlenzoForm* form, QWidget* parent);

  int AddNamedTab(const QString& name);
  QString TabName(int index) const;
  // The index of the tab of that name, compared without regard to case; -1.
  int FindTab(const QString& name) const;

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  TPlenzoForm* form_;
};

}  // namespace pm
