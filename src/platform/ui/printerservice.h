#pragma once

#include <QString>

#include <memory>

class QPrinter;
class QWidget;

namespace pm {

// The one printer every print job and Print Setup use, at 300 dots per
// inch. With no printer installed it writes PDF (Letter, no margins, unless
// Print Setup chose otherwise); PELMARK_PRINT_PDF sends every job to that
// file without asking.
class PrinterService {
 public:
  PrinterService();
  ~PrinterService();

  QPrinter& Printer();
  // Readies the printer for a job. A PDF file is asked through the dialog
  // service (proposed: `pdfName` in the current folder) unless the variable
  // names it. False when the user cancelled.
  bool PrepareJob(QWidget* parent, const QString& pdfName);
  // Print Setup: the page set-up dialog on the shared printer.
  void PageSetup(QWidget* parent);
  // True when the job's output is a PDF file.
  bool PrintsToPdf() const;

 private:
  void UsePdf();
  std::unique_ptr<QPrinter> printer_;
  bool pageChosen_ = false;
};

PrinterService& Printers();

}  // namespace pm
