// The file types the image window's open-file dialog offers, taken from the
// picture formats Qt can read.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace orsalimbra::ui {

// The filters in the "description|patterns|..." form (ToQtFileFilters turns
// them into Qt's): JPEG first (the one preselected), then BMP, GIF and PNG,
// each only when Qt reads it; then "Tutte le Immagini" with every format Qt
// reads; then "Tutti i file". Patterns carry each format's usual extensions
// (from the MIME database, and the format names) in lower and upper case,
// since a desktop's own dialog may tell "photo.JPG" from "photo.jpg".
// `mimeTypes` and `formats` are what QImageReader supports.
QString PictureFilterPairs(const QList<QByteArray>& mimeTypes, const QList<QByteArray>& formats);

// The same for the formats of this Qt.
QString PictureFilterPairs();

}  // namespace orsalimbra::ui
