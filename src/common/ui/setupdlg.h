#pragma once

#include "common/settings.h"

#include <QDialog>

#include <array>
#include <functional>

class QAction;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTabWidget;
class QToolButton;

namespace pm {

inline constexpr int kSetupHelpContext = 22;

// "Mivaro Setup": units, deck-maker defaults, application links and their
// button bitmaps, and the Source view's font, colours and styles. OK commits
// the dialog's values to DefaultSettings, Cancel discards them, Store writes
// the settings file first and commits only when the write succeeded.
class TSetupDlg : public QDialog {
  Q_OBJECT

 public:
  explicit TSetupDlg(QWidget* parent = nullptr);

  // The main window's routine that sets the unit system (ticks, converts the
  // open form windows). It is called at OK with the new unit system while
  // DefaultSettings().UnitSystem still holds the old one. Unset: the dialog
  // only sets the field.
  void setUnitSystemRoutine(std::function<void(int)> routine) { unitSystemRoutine_ = std::move(routine); }
  // Shows a help context (F1); unset: F1 does nothing.
  void setHelpRoutine(std::function<void(int)> routine) { helpRoutine_ = std::move(routine); }

  // Handlers.
  void FormActivate();
  void SpeedButton1Click(QToolButton* button);
  void Color1BoxMouseDown(QFrame* box);
  void ComboBox1Click(QComboBox* box);
  void OKBtnClick();
  void CancelBtnClick();
  void StoreClick();

  // "Plenzo" page.
  QTabWidget* TabSet = nullptr;
  QGroupBox* PlenzoGroup = nullptr;
  QGroupBox* UnitBox = nullptr;
  QRadioButton* SIB = nullptr;
  QRadioButton* English = nullptr;
  QGroupBox* IncludeBox = nullptr;
  QCheckBox* Header = nullptr;
  QCheckBox* Simulationcard = nullptr;
  QCheckBox* SaveDeckNamesCB = nullptr;
  // "Links" page; index k is link k (index 0 unused for the edits).
  QGroupBox* GroupBox2 = nullptr;
  std::array<QLineEdit*, 5> LinkFileE{};
  std::array<QToolButton*, 5> SpeedButton{};  // 0 is the hidden default button
  // "Font" page; index k is row k (index 0 unused).
  QComboBox* FontBox = nullptr;
  QSpinBox* SizeSpin = nullptr;
  QGroupBox* GroupBox1 = nullptr;
  std::array<QFrame*, 5> ColorBox{};
  std::array<QComboBox*, 5> ComboBox{};
  // Right panel.
  QPushButton* OKBtn = nullptr;
  QPushButton* Store = nullptr;
  QPushButton* CancelBtn = nullptr;
  QAction* HelpAction = nullptr;

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Values {
    DefaultSettingsRecord settings;
    LinkBitmapNames bitmaps;
  };

  void FormCreate();
  QWidget* MakePlenzoPage();
  QWidget* MakeLinksPage();
  QWidget* MakeFontPage();
  void PaintColorBox(int k);
  // The dialog's values on top of DefaultSettings; false (after a message)
  // when a link entry does not fit the settings file.
  bool ReadControls(Values* values);
  void ApplyUnitSystem(int unitSystem);
  void Commit(const Values& values);

  std::function<void(int)> unitSystemRoutine_;
  std::function<void(int)> helpRoutine_;
  LinkBitmapNames bitmaps_;  // chosen in this session, committed at OK
  std::array<ColorValue, 5> colors_{};
  std::array<bool, 5> styleChosen_{};
};

}  // namespace pm
