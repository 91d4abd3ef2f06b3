#include "platform/ui/printerservice.h"

#include "platform/uiservice.h"

#include <QDir>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSetupDialog>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>

namespace pm {

namespace {

constexpr int kPrinterDpi = 300;

bool HasPrinters() { return !QPrinterInfo::availablePrinters().isEmpty(); }

}  // namespace

PrinterService::PrinterService() : printer_(std::make_unique<QPrinter>(QPrinter::PrinterResolution)) {
  if (!HasPrinters()) UsePdf();
  printer_->setResolution(kPrinterDpi);
}

PrinterService::~PrinterService() = default;

QPrinter& PrinterService::Printer() { return *printer_; }

bool PrinterService::PrintsToPdf() const { return printer_->outputFormat() == QPrinter::PdfFormat; }

void PrinterService::UsePdf() {
  const QPageLayout layout = printer_->pageLayout();
  printer_->setOutputFormat(QPrinter::PdfFormat);
  printer_->setResolution(kPrinterDpi);
  if (pageChosen_) {
    printer_->setPageLayout(layout);
  } else {
    // Fixed margins make the printable area, and all that scales with it,
    // the same on every machine.
    printer_->setFullPage(true);
    printer_->setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
                                        QMarginsF(0, 0, 0, 0)));
  }
}

bool PrinterService::PrepareJob(QWidget* parent, const QString& pdfName) {
  const QString fixed = qEnvironmentVariable("PELMARK_PRINT_PDF");
  if (!fixed.isEmpty()) {
    UsePdf();
    printer_->setOutputFileName(fixed);
    return true;
  }
  if (HasPrinters()) {
    // A job sent to a file before goes to the printer again.
    if (PrintsToPdf()) {
      const QPageLayout layout = printer_->pageLayout();
      printer_->setOutputFormat(QPrinter::NativeFormat);
      printer_->setResolution(kPrinterDpi);
      if (pageChosen_) printer_->setPageLayout(layout);
    }
    return true;
  }
  UsePdf();
  FileDialogRequest request;
  request.title = QStringLiteral("Print to File");
  request.filter = QStringLiteral("PDF files (*.pdf)");
  request.directory = QDir::currentPath();
  request.fileName = pdfName;
  request.defaultSuffix = QStringLiteral("pdf");
  const QString file = ui().saveFileName(parent, request);
  if (file.isEmpty()) return false;
  printer_->setOutputFileName(file);
  return true;
}

void PrinterService::PageSetup(QWidget* parent) {
  if (!HasPrinters()) UsePdf();
  QPageSetupDialog dialog(printer_.get(), parent);
  if (dialog.exec() == QDialog::Accepted) {
    pageChosen_ = true;
    printer_->setResolution(kPrinterDpi);
  }
}

PrinterService& Printers() {
  // Kept to the end of the process: a printer must not outlive the
  // application in static destruction.
  static PrinterService* service = new PrinterService;
  return *service;
}

}  // namespace pm
