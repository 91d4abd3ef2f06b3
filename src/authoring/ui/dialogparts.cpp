#include "authoring/ui/dialogparts.h"

#include <QComboBox>
#include <QDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <limits>

#include "authoring/ui/displayfiledlg.h"
#include "authoring/ui/showfigdlg.h"
#include "common/lib1.h"
#include "platform/cp1252.h"
#include "platform/uiservice.h"

namespace pm {

QStringList MarkupColorItems() {
  return {QStringLiteral("BLACK"), QStringLiteral("RED"),     QStringLiteral("BLUE"),
          QStringLiteral("GREEN"), QStringLiteral("GRAY"),    QStringLiteral("PURPLE "),
          QStringLiteral("AQUA"),  QStringLiteral("YELLOW"),  QStringLiteral("SILVER"),
          QStringLiteral("NAVY"),  QStringLiteral("FUCHSIA"), QStringLiteral("LIME"),
          QStringLiteral("WHITE"), QStringLiteral("DEF")};
}

QStringList MarkupFontItems() {
  return {QStringLiteral("Arial"),         QStringLiteral("Times"),    QStringLiteral("Courier New"),
          QStringLiteral("MS Sans Serif"), QStringLiteral("Terminal"), QStringLiteral("Symbol")};
}

QStringList MarkupStyleItems() {
  return {QStringLiteral("None"), QStringLiteral("Bold"), QStringLiteral("Italic"),
          QStringLiteral("Underline")};
}

QStringList JustificationItems() {
  return {QStringLiteral("Left"), QStringLiteral("Center"), QStringLiteral("Right")};
}

QComboBox* NewCombo(QWidget* parent, const char* name, const QStringList& items, bool editable,
                    int minChars) {
  auto* box = new QComboBox(parent);
  box->setObjectName(QLatin1String(name));
  box->setEditable(editable);
  box->addItems(items);
  if (minChars > 0) {
    box->setMinimumContentsLength(minChars);
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  } else {
    box->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  }
  return box;
}

QSpinBox* NewIntSpin(QWidget* parent, const char* name, bool size) {
  auto* spin = new QSpinBox(parent);
  spin->setObjectName(QLatin1String(name));
  spin->setRange(size ? 1 : std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
  return spin;
}

QPushButton* NewButton(QWidget* parent, const char* name, const QString& caption) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(QLatin1String(name));
  button->setAutoDefault(false);
  return button;
}

QLineEdit* NewLineEdit(QWidget* parent, const char* name, int minWidth) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(QLatin1String(name));
  if (minWidth > 0) edit->setMinimumWidth(minWidth);
  return edit;
}

void AddOkCancel(QDialog* dialog, QGridLayout* grid, int row, QPushButton** ok, QPushButton** cancel) {
  *ok = NewButton(dialog, "OKBtn", QStringLiteral("OK"));
  *cancel = NewButton(dialog, "CancelBtn", QStringLiteral("Cancel"));
  (*ok)->setDefault(true);
  QObject::connect(*cancel, &QPushButton::clicked, dialog, &QDialog::reject);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(*ok);
  buttons->addWidget(*cancel);
  grid->addLayout(buttons, row, 0, 1, grid->columnCount() > 0 ? grid->columnCount() : 1);
}

void FillVariableBox(QComboBox* box, const EquationScan& scan) {
  QStringList names;
  names.reserve(static_cast<qsizetype>(scan.variables.size()));
  for (const EquationVariable& v : scan.variables) names << Shown(v.name);
  box->addItems(names);
  for (int i = 0; i < box->count(); ++i) box->setItemData(i, scan.variables[static_cast<size_t>(i)].index);
  if (!scan.badCount.empty()) ShowMessageKind(NotIntegerMessage(Shown(scan.badCount)), 0, true);
}

int SelectedVariableLine(const QComboBox* box) {
  return box->currentIndex() < 0 ? 0 : box->currentData().toInt();
}

QWidget* UnencodableField(QWidget* dialog) {
  const QList<QLineEdit*> edits = dialog->findChildren<QLineEdit*>();
  for (QLineEdit* edit : edits) {
    bool ok = true;
    (void)ToCp1252(edit->text(), &ok);
    if (!ok) return edit;
  }
  return nullptr;
}

bool OkEndsBeforeWriting(QDialog* dialog, bool canWrite) {
  if (!canWrite) {
    dialog->reject();
    return true;
  }
  if (QWidget* field = UnencodableField(dialog)) {
    RejectField(field);
    return true;
  }
  return false;
}

std::string DeckText(const QString& text) { return ToCp1252(text); }
QString Shown(const std::string& text) { return FromCp1252(text); }

ColorBoxFrame::ColorBoxFrame(QWidget* parent, const char* name) : QFrame(parent) {
  setObjectName(QLatin1String(name));
  setFrameShape(QFrame::Box);
  setFixedSize(60, 21);
  setAutoFillBackground(true);
  setCursor(Qt::PointingHandCursor);
  SetColor(color_);
}

void ColorBoxFrame::SetColor(ColorValue color) {
  color_ = color;
  QPalette p = palette();
  p.setColor(QPalette::Window, ToQColor(color));
  setPalette(p);
}

void ColorBoxFrame::ChooseColor() {
  const std::optional<QColor> chosen = ui().color(window(), ToQColor(color_), ColorDialogCustomColors());
  if (chosen) SetColor(FromQColor(*chosen));
}

void ColorBoxFrame::mousePressEvent(QMouseEvent*) { ChooseColor(); }

void ShowFileText(QWidget* parent, const QString& name) {
  TDisplayFileDlg dialog(parent);
  if (!dialog.LoadFile(name)) return;
  dialog.exec();
}

void ShowPictureFile(QWidget* parent, const QString& name) {
  if (!FileExistsUnquoted(name)) return;
  TShowFigDlg dialog(parent);
  dialog.PictureName = name;
  if (!dialog.FormActivate()) return;
  dialog.exec();
  if (parent) parent->update();
}

}  // namespace pm
