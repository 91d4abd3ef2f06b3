#pragma once

#include <QFrame>
#include <QString>
#include <QStringList>
#include <string>

#include "authoring/equationscan.h"
#include "common/colors.h"

class QComboBox;
class QDialog;
class QGridLayout;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QWidget;

namespace pm {

// Controls the mark-up dialogs share.
QStringList MarkupColorItems();  // the 14 colour words, "PURPLE " with its blank
QStringList MarkupFontItems();
QStringList MarkupStyleItems();
QStringList JustificationItems();

// An editable box also shows a text its items lack ("TIMES NEW ROMAN" read
// from the deck) whole: minChars sets its least width in characters.
QComboBox* NewCombo(QWidget* parent, const char* name, const QStringList& items, bool editable,
                    int minChars = 0);
// An integer box over the whole int range, or from 1 for a size.
QSpinBox* NewIntSpin(QWidget* parent, const char* name, bool size = false);
QPushButton* NewButton(QWidget* parent, const char* name, const QString& caption);
// A line edit; minWidth, when above 0, sets its least width in pixels.
QLineEdit* NewLineEdit(QWidget* parent, const char* name, int minWidth = 0);
// OK (default) and Cancel at the foot of a dialog; Cancel rejects.
void AddOkCancel(QDialog* dialog, QGridLayout* grid, int row, QPushButton** ok, QPushButton** cancel);

// The variables in the order given (sorted already: one fill, not a sorted
// insertion per item), each with its line index as item data; the scan's
// message when a block count was no integer.
void FillVariableBox(QComboBox* box, const EquationScan& scan);
// The line index of the variable selected in a box FillVariableBox filled;
// 0 when none is selected.
int SelectedVariableLine(const QComboBox* box);

// The first edit of the dialog (combo boxes' included) whose text holds a
// character a Windows-1252 deck cannot hold, or null: OK refuses it rather
// than write a "?" in its place.
QWidget* UnencodableField(QWidget* dialog);
// The start of every OK: with nothing to write to (canWrite false) the
// dialog is rejected; a field a deck cannot hold is refused. True when the
// OK ends there.
bool OkEndsBeforeWriting(QDialog* dialog, bool canWrite);

std::string DeckText(const QString& text);
QString Shown(const std::string& text);

// A colour rectangle: a click opens the colour dialog (the 14 colour words
// as custom colours), and a confirmed choice becomes its colour.
class ColorBoxFrame : public QFrame {
 public:
  ColorBoxFrame(QWidget* parent, const char* name);
  ColorValue Color() const { return color_; }
  void SetColor(ColorValue color);
  void ChooseColor();

 protected:
  void mousePressEvent(QMouseEvent* event) override;

 private:
  ColorValue color_ = 0xFFFFFF;
};

// Show File of the input dialogs: the file's text in TDisplayFileDlg, or the
// open error.
void ShowFileText(QWidget* parent, const QString& name);
// Show File of the picture dialog: the picture in TShowFigDlg when the file
// exists; nothing otherwise.
void ShowPictureFile(QWidget* parent, const QString& name);

}  // namespace pm
