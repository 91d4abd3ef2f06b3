#include "authoring/ui/displayfiledlg.h"

#include <QDir>
#include <QGridLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <string>
#include <vector>

#include "authoring/ui/dialogparts.h"
#include "common/lib1.h"
#include "platform/cp1252.h"
#include "platform/textfile.h"

namespace pm {

TDisplayFileDlg::TDisplayFileDlg(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("DisplayFileDlg"));
  setWindowTitle(QStringLiteral("Display File"));
  auto* grid = new QGridLayout(this);
  ViewFile = new QPlainTextEdit(this);
  ViewFile->setObjectName(QStringLiteral("ViewFile"));
  ViewFile->setReadOnly(true);
  ViewFile->setLineWrapMode(QPlainTextEdit::NoWrap);
  ViewFile->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  ViewFile->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  // The viewers' font, which the substitutes make a monospace one.
  QFont font(QStringLiteral("Courier New"));
  font.setPixelSize(12);
  ViewFile->setFont(font);
  grid->addWidget(ViewFile, 0, 0);
  AddOkCancel(this, grid, 1, &OKBtn, &CancelBtn);
  connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
  resize(560, 400);
}

bool TDisplayFileDlg::LoadFile(const QString& name) {
  const QString path = ResolveUnquoted(name);
  std::vector<std::string> lines;
  const int err = ReadTextLines(path, &lines);
  if (err != 0) {
    ShowMessageKind(OpenErrorMessage(err, QDir::toNativeSeparators(StripQuotes(name))), 0, true);
    return false;
  }
  QStringList shown;
  shown.reserve(static_cast<qsizetype>(lines.size()));
  for (const std::string& line : lines) shown << FromCp1252(line);
  ViewFile->setPlainText(shown.join(QLatin1Char('\n')));
  return true;
}

}  // namespace pm
