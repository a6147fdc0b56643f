#include "ui/picture_filters.h"

#include <QImageReader>
#include <QMimeDatabase>
#include <QStringList>

namespace orsalimbra::ui {

namespace {

struct NamedFormat {
  const char* description;
  const char* mimeType;
};

// The formats a user looks for by name, in the order offered.
constexpr NamedFormat kNamed[] = {
    {"Immagini JPEG", "image/jpeg"},
    {"Immagini BMP", "image/bmp"},
    {"Immagini GIF", "image/gif"},
    {"Immagini PNG", "image/png"},
};

// "*.jpg;*.JPG;..." for lower-case extensions; each pattern once.
void AddPatterns(const QStringList& extensions, QStringList& patterns) {
  for (const QString& extension : extensions) {
    for (const QString& form : {extension.toLower(), extension.toUpper()}) {
      const QString pattern = QStringLiteral("*.") + form;
      if (!patterns.contains(pattern)) patterns.append(pattern);
    }
  }
}

QStringList SuffixesOf(const QMimeDatabase& database, const QByteArray& mimeType) {
  return database.mimeTypeForName(QString::fromLatin1(mimeType)).suffixes();
}

}  // namespace

QString PictureFilterPairs(const QList<QByteArray>& mimeTypes, const QList<QByteArray>& formats) {
  const QMimeDatabase database;
  QStringList pairs;
  for (const NamedFormat& named : kNamed) {
    if (!mimeTypes.contains(QByteArray(named.mimeType))) continue;
    QStringList patterns;
    AddPatterns(SuffixesOf(database, named.mimeType), patterns);
    if (patterns.isEmpty()) continue;
    pairs << QString::fromLatin1(named.description) << patterns.join(u';');
  }
  QStringList all;
  for (const QByteArray& mimeType : mimeTypes) AddPatterns(SuffixesOf(database, mimeType), all);
  for (const QByteArray& format : formats) {
    // Format names double as extensions ("jpg", "tiff", "cur").
    const QString name = QString::fromLatin1(format).toLower();
    if (!name.isEmpty() && !name.contains(u'.') && !name.contains(u' ')) {
      AddPatterns({name}, all);
    }
  }
  if (!all.isEmpty()) pairs << QStringLiteral("Tutte le Immagini") << all.join(u';');
  pairs << QStringLiteral("Tutti i file") << QStringLiteral("*.*");
  return pairs.join(u'|');
}

QString PictureFilterPairs() {
  return PictureFilterPairs(QImageReader::supportedMimeTypes(),
                            QImageReader::supportedImageFormats());
}

}  // namespace orsalimbra::ui
