// Reading back a produced PDF with poppler-utils (pdftotext, pdfinfo).
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace orsalimbra::render::testing {

// The standard output of a poppler tool; a failed expectation and nothing
// when it cannot run or fails.
QByteArray RunPdfTool(const QString& program, const QStringList& arguments);

// The words of one page (from 1), in the order they were drawn, or else in
// reading order, where a text drawn against another stays a word of its own.
QStringList PdfPageWords(const QString& pdf, int page, bool drawingOrder = true);

// A field of pdfinfo ("Pages", "Page size"), empty when missing.
QString PdfInfo(const QString& pdf, const QString& field);

}  // namespace orsalimbra::render::testing
