#include "pdf_tools.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QRegularExpression>

namespace orsalimbra::render::testing {

namespace {
QString RunTool(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.start(program, arguments);
  if (!process.waitForFinished(60000) || process.exitCode() != 0) {
    ADD_FAILURE() << program.toStdString() << " failed (poppler-utils installed?)";
    return {};
  }
  return QString::fromUtf8(process.readAllStandardOutput());
}
}  // namespace

QStringList PdfPageWords(const QString& pdf, int page) {
  static const QRegularExpression space(R"(\s+)");
  return RunTool("pdftotext",
                 {"-raw", "-f", QString::number(page), "-l", QString::number(page), pdf, "-"})
      .split(space, Qt::SkipEmptyParts);
}

QString PdfInfo(const QString& pdf, const QString& field) {
  const QRegularExpression line("^" + QRegularExpression::escape(field) + R"(:\s+(.*)$)",
                                QRegularExpression::MultilineOption);
  return line.match(RunTool("pdfinfo", {pdf})).captured(1).trimmed();
}

}  // namespace orsalimbra::render::testing
