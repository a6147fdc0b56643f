// Reading back a produced PDF with poppler-utils (pdftotext, pdfinfo).
#pragma once

#include <QString>
#include <QStringList>

namespace orsalimbra::render::testing {

// The words of one page (from 1), in the order they were drawn.
QStringList PdfPageWords(const QString& pdf, int page);
// A field of pdfinfo ("Pages", "Page size"), empty when missing.
QString PdfInfo(const QString& pdf, const QString& field);

}  // namespace orsalimbra::render::testing
