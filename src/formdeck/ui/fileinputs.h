#pragma once

#include <QComboBox>
#include <QLineEdit>
#include <string>
#include <vector>

#include "formdeck/ui/formcontrol.h"

namespace pm {

// The file of an ASSIGN line; a mouse press on it opens the file dialog.
class TOpenFile : public QLineEdit, public FormControl {
  Q_OBJECT
 public:
  explicit TOpenFile(QWidget* parent);

  QString FileName;  // as written back: quoted when chosen in the dialog
  int UnitNumber = 0;
  bool Modified = false;

  void ShowOpenFileDlg();
  // F1 on a file input shows the main topic: it has no help id of its own.
  int ControlTag() const override { return 22; }

 protected:
  void mousePressEvent(QMouseEvent* event) override;
};

// A drop-down list filled from a list file. Value is what the deck holds
// (the key column of the chosen row); a deck value that matches no row
// leaves nothing chosen and stays as it was.
class TFileInput : public QComboBox, public FormControl {
  Q_OBJECT
 public:
  explicit TFileInput(QWidget* parent);

  bool HasList = false;
  int HelpId = 0;
  QString ListFile;
  int DisplayColumn = 0;
  int ValueColumn = 0;
  bool IsAssign = false;
  QString Value;
  int UnitNumber = 0;
  int SavedIndex = -1;  // the item index at the last ClearModify
  // The rows read when the list was filled, one per item.
  std::vector<std::string> Rows;

  // Items from the display column of the rows (none without a drop-down).
  void FillList(std::vector<std::string> rows);
  // Chooses the row whose key column holds Value; none: no item, and Value
  // shows as the placeholder.
  void SelectValue();
  // The value to write back: the key column of the chosen row, or Value
  // while nothing is chosen or the list has no drop-down.
  QString ChosenValue() const;
  int ControlTag() const override { return 22; }
  int ControlHelpId() const override { return HelpId; }

 protected:
  // The wheel over a list that has no focus scrolls the page, as in the
  // original, instead of changing the choice unseen.
  void wheelEvent(QWheelEvent* event) override;
};

}  // namespace pm
