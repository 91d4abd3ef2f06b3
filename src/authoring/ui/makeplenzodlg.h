#pragma once

#include "authoring/plaindeck.h"

#include <QDialog>
#include <QString>

class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace pm {

inline constexpr int kMakePlenzoHelpContext = 31;

// "Make Plenzo File": the units of a plain deck, and for the unit chosen
// which of its parameters and inputs become named constants with an input
// line. OK asks for the new deck's name and writes it.
class TMakePlenzoDlg : public QDialog {
  Q_OBJECT

 public:
  explicit TMakePlenzoDlg(QWidget* parent = nullptr);

  // Reads the plain deck FileName and fills the unit list. False when the
  // deck cannot be read (its message was shown): the dialog is not shown.
  bool MakeDeck(const QString& FileName);

  // Handlers.
  void FillUnitBox();
  void FillParamInputBox();
  void SetParamInputBox();
  void UnitBoxClick();
  void UnitBoxEnter();
  void ParBoxEnter();
  void InpBoxEnter();
  void AllClick();
  void NoneClick();
  void InpBoxMouseDown(QListWidgetItem* item);
  void OKBtnClick();
  void FormActivate();

  const PlainDeck& Deck() const { return deck_; }

  QString DeckFileName;
  int CurrentUnitIndex = 0;
  QListWidget* FocusedList = nullptr;

  QLabel* Units = nullptr;
  QListWidget* UnitBox = nullptr;
  QLabel* Parameters = nullptr;
  QListWidget* ParBox = nullptr;
  QLabel* Inputs = nullptr;
  QListWidget* InpBox = nullptr;
  QGroupBox* IncludeBox = nullptr;
  QCheckBox* Header = nullptr;
  QCheckBox* Simulationcard = nullptr;
  QPushButton* All = nullptr;
  QPushButton* None = nullptr;
  QPushButton* OKBtn = nullptr;
  QPushButton* CancelBtn = nullptr;
  QAction* HelpAction = nullptr;

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void reject() override;

 private:
  TUnitInfo* currentUnit();
  // The lists are freed however the dialog ends.
  void FreeLists() { deck_ = PlainDeck{}; }

  PlainDeck deck_;
};

}  // namespace pm
