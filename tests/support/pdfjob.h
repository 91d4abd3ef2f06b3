#pragma once

#include "common/printstate.h"
#include "support/pdftext.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QString>
#include <QStringList>

#include <memory>

namespace pm::test {

// A print job on a 300-dpi PDF of the page size given, without margins, as
// the shared printer prints; End gives the pages' text.
class PdfJob {
 public:
  PdfJob() = default;
  PdfJob(const PdfJob&) = delete;
  PdfJob& operator=(const PdfJob&) = delete;
  ~PdfJob() {
    if (writer_) End();
  }

  bool Begin(const QString& pdf, QPageSize::PageSizeId size,
             QPageLayout::Orientation orientation = QPageLayout::Portrait) {
    pdf_ = pdf;
    writer_ = std::make_unique<QPdfWriter>(pdf_);
    writer_->setResolution(300);
    writer_->setPageLayout(QPageLayout(QPageSize(size), orientation, QMarginsF(0, 0, 0, 0)));
    if (!painter_.begin(writer_.get())) return false;
    BeginPrintJob(&painter_, writer_.get(), QStringLiteral("2.01"), orientation == QPageLayout::Landscape);
    return true;
  }

  QStringList End() {
    EndPrintJob();
    painter_.end();
    writer_.reset();
    return PdfPages(pdf_);
  }

  QPainter& Painter() { return painter_; }

 private:
  QString pdf_;
  std::unique_ptr<QPdfWriter> writer_;
  QPainter painter_;
};

}  // namespace pm::test
