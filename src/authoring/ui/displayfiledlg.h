#pragma once

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

namespace pm {

// "Display File": a text file shown read-only.
class TDisplayFileDlg : public QDialog {
 public:
  explicit TDisplayFileDlg(QWidget* parent = nullptr);
  // Loads the file named (quotes stripped, resolved) into ViewFile, decoded
  // as Windows-1252; false after the open error's message.
  bool LoadFile(const QString& name);

  QPlainTextEdit* ViewFile = nullptr;
  QPushButton* OKBtn = nullptr;
  QPushButton* CancelBtn = nullptr;
};

}  // namespace pm
