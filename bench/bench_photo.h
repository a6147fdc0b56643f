// Camera-sized test photos for the benchmarks: a gradient with colour noise
// and a few soft shapes, so the JPEG carries about as much detail as a
// camera's and does not compress to nothing.
#pragma once

#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QString>
#include <random>

namespace orsalimbra::bench {

inline QImage Photo(int width, int height, unsigned seed) {
  QImage image(width, height, QImage::Format_RGB32);
  std::minstd_rand random(seed);
  const int shift = static_cast<int>(seed * 37 % 256);
  for (int y = 0; y < height; ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < width; ++x) {
      const int n = static_cast<int>(random() % 24);
      line[x] = qRgb((x * 200 / width + shift + n) % 256, (y * 200 / height + n) % 256,
                     ((x + y) * 150 / (width + height) + shift / 2 + n) % 256);
    }
  }
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  for (int i = 0; i < 12; ++i) {
    painter.setBrush(QColor::fromHsv(static_cast<int>(random() % 360), 160, 200, 120));
    painter.drawEllipse(QPointF(random() % width, random() % height),
                        width / 20 + random() % (width / 7 + 1),
                        height / 20 + random() % (height / 7 + 1));
  }
  return image;
}

// Writes Photo(width, height, seed) as a JPEG of quality 90. Written under
// another name first, so a run cut short leaves no truncated photo that a
// later run would take as made.
inline bool WritePhoto(const QString& path, int width, int height, unsigned seed) {
  const QString part = path + QStringLiteral(".part");
  QImageWriter writer(part, "jpeg");
  writer.setQuality(90);
  if (!writer.write(Photo(width, height, seed))) return false;
  QFile::remove(path);
  return QFile::rename(part, path);
}

}  // namespace orsalimbra::bench
