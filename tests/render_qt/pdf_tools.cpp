#include "pdf_tools.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QRegularExpression>

namespace orsalimbra::render::testing {

QByteArray RunPdfTool(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.start(program, arguments);
  if (!process.waitForFinished(60000) || process.exitCode() != 0) {
    ADD_FAILURE() << program.toStdString() << " failed (poppler-utils installed?): "
                  << process.readAllStandardError().toStdString();
    return {};
  }
  return process.readAllStandardOutput();
}

QStringList PdfPageWords(const QString& pdf, int page, bool drawingOrder) {
  static const QRegularExpression space(R"(\s+)");
  QStringList arguments{"-f", QString::number(page), "-l", QString::number(page), pdf, "-"};
  if (drawingOrder) arguments.prepend("-raw");
  return QString::fromUtf8(RunPdfTool("pdftotext", arguments)).split(space, Qt::SkipEmptyParts);
}

QString PdfInfo(const QString& pdf, const QString& field) {
  const QRegularExpression line("^" + QRegularExpression::escape(field) + R"(:\s+(.*)$)",
                                QRegularExpression::MultilineOption);
  return line.match(QString::fromUtf8(RunPdfTool("pdfinfo", {pdf}))).captured(1).trimmed();
}

}  // namespace orsalimbra::render::testing
