#include "formdeck/ui/fileinputs.h"

#include <QDir>
#include <QFileInfo>
#include <QMouseEvent>
#include <QWheelEvent>

#include "common/lib1.h"
#include "formdeck/listfile.h"
#include "platform/cp1252.h"
#include "platform/ui/plainhint.h"
#include "platform/pathresolver.h"
#include "platform/uiservice.h"

namespace pm {

TOpenFile::TOpenFile(QWidget* parent) : QLineEdit(parent) {
  setReadOnly(true);
}

void TOpenFile::mousePressEvent(QMouseEvent* event) {
  event->accept();
  ShowOpenFileDlg();
}

void TOpenFile::ShowOpenFileDlg() {
  const QString remembered = QDir::currentPath();
  QString start = ResolvePath(QDir::cleanPath(remembered + QStringLiteral("/../Building Loads")));
  if (!QFileInfo(start).isDir()) start = remembered;
  FileDialogRequest request;
  request.title = QStringLiteral("Select a file or type in a new file name");
  request.filter = QStringLiteral("All files (*)");
  request.directory = start;
  const QString chosen = ui().openFileName(this, request);
  if (!chosen.isEmpty()) {
    // The deck quotes file names, so a quote inside one cannot be written.
    if (chosen.contains(QLatin1Char('"'))) {
      ShowMessageKind(QStringLiteral("A file name may not contain a double quote."), 0, true);
    } else {
      FileName = QLatin1Char('"') + chosen + QLatin1Char('"');
      setText(FileName);
    }
  }
  Modified = true;
  QDir::setCurrent(remembered);
}

TFileInput::TFileInput(QWidget* parent) : QComboBox(parent) {
  setEditable(false);
  // The size the style asks for follows the items.
  setSizeAdjustPolicy(QComboBox::AdjustToContents);
  setFocusPolicy(Qt::StrongFocus);
}

void TFileInput::FillList(std::vector<std::string> rows) {
  Rows = std::move(rows);
  clear();
  // A list without a drop-down shows nothing and chooses nothing.
  if (DisplayColumn < 1) return;
  for (const std::string& row : Rows) {
    addItem(FromCp1252(ListColumnText(row, DisplayColumn)));
  }
}

void TFileInput::SelectValue() {
  const int row = FindListRow(Rows, ValueColumn, ToCp1252(Value), 0);
  setCurrentIndex(row);
  if (row < 0) {
    setPlaceholderText(Value);
    setToolTip(PlainHint(Value));
  }
}

QString TFileInput::ChosenValue() const {
  const int row = currentIndex();
  if (!HasList || row < 0 || static_cast<size_t>(row) >= Rows.size()) return Value;
  return FromCp1252(ListColumnText(Rows[static_cast<size_t>(row)], ValueColumn));
}

void TFileInput::wheelEvent(QWheelEvent* event) {
  if (!hasFocus()) {
    event->ignore();
    return;
  }
  QComboBox::wheelEvent(event);
}

}  // namespace pm
