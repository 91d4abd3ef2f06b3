#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

namespace pm::test {

// The text of a PDF as pdftotext gives it with its layout kept; pages are
// separated by form feeds. Empty when the tool fails.
inline QString PdfText(const QString& pdf) {
  QProcess process;
  process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
  if (!process.waitForFinished(20000) || process.exitCode() != 0) return {};
  return QString::fromUtf8(process.readAllStandardOutput());
}

// The pages of a PDF's text.
inline QStringList PdfPages(const QString& pdf) {
  QStringList pages = PdfText(pdf).split(QLatin1Char('\f'));
  if (!pages.isEmpty() && pages.last().trimmed().isEmpty()) pages.removeLast();
  return pages;
}

}  // namespace pm::test
