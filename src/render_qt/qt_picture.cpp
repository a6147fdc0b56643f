#include "render_qt/qt_picture.h"

#include <QBuffer>
#include <QFile>
#include <QImageIOHandler>
#include <QImageReader>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <utility>

#include "render/picture_integrity.h"

namespace orsalimbra::render {

namespace {

// What the header says: the stored size and whether EXIF orientation turns
// it by a quarter.
struct Header {
  QByteArray format;
  QSize stored;
  QImageIOHandler::Transformations transformation;
  bool transposed = false;

  QSize shown() const { return transposed ? stored.transposed() : stored; }
};

// `head` is the file's first bytes, read before the reader touched the
// device: Qt's GIF reader does not report a size without decoding, but the
// logical screen size sits at bytes 6..9.
std::optional<Header> ReadHeader(QImageReader& reader, const QByteArray& head) {
  Header h;
  h.format = reader.format();
  if (h.format.isEmpty()) return std::nullopt;
  h.stored = reader.size();
  if (!h.stored.isValid() && h.format == "gif" && head.size() >= 10) {
    const auto byte = [&](int i) { return static_cast<unsigned char>(head[i]); };
    h.stored = QSize(byte(6) | (byte(7) << 8), byte(8) | (byte(9) << 8));
  }
  if (!h.stored.isValid() || h.stored.isEmpty()) return std::nullopt;
  if (static_cast<long long>(h.stored.width()) * h.stored.height() > kMaxPicturePixels) {
    return std::nullopt;
  }
  h.transformation = reader.transformation();
  h.transposed = h.transformation.testFlag(QImageIOHandler::TransformationRotate90);
  return h;
}

// JPEG decoders reduce a picture by 1/2, 1/4 or 1/8 inside the inverse DCT
// at almost no cost. The smallest such reduction that still has at least
// `wanted` pixels each way; the stored size when none has.
QSize JpegReduction(QSize stored, QSize wanted) {
  for (const int divisor : {8, 4, 2}) {
    const QSize reduced((stored.width() + divisor - 1) / divisor,
                        (stored.height() + divisor - 1) / divisor);
    if (reduced.width() >= wanted.width() && reduced.height() >= wanted.height()) return reduced;
  }
  return stored;
}

// Scales down to `size`. While the reduction is less than two each way,
// bilinear sampling loses nothing visible and costs half of Qt's area
// averaging, which is kept for larger reductions, where sampling would alias.
QImage Resample(const QImage& image, QSize size) {
  if (image.size() == size) return image;
  if (size.width() * 2 < image.width() || size.height() * 2 < image.height()) {
    return image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  }
  QImage out(size,
             image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
  if (out.isNull()) return {};
  QPainter painter(&out);
  painter.setCompositionMode(QPainter::CompositionMode_Source);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawImage(QRect(QPoint(0, 0), size), image);
  return out;
}

// `part` of the picture as shown, as stored pixels. The EXIF turn mirrors
// and flips the stored picture first and then turns it a quarter clockwise;
// this undoes it in reverse order.
QRect StoredRect(PicturePart part, const Header& h) {
  if (h.transformation.testFlag(QImageIOHandler::TransformationRotate90)) {
    part = {part.top, 1 - part.left - part.width, part.height, part.width};
  }
  if (h.transformation.testFlag(QImageIOHandler::TransformationMirror)) {
    part.left = 1 - part.left - part.width;
  }
  if (h.transformation.testFlag(QImageIOHandler::TransformationFlip)) {
    part.top = 1 - part.top - part.height;
  }
  const auto span = [](double from, double length, int pixels) {
    const int first = std::clamp(static_cast<int>(std::lround(from * pixels)), 0, pixels - 1);
    const int end =
        std::clamp(static_cast<int>(std::lround((from + length) * pixels)), first + 1, pixels);
    return std::pair{first, end - first};
  };
  const auto [x, width] = span(part.left, part.width, h.stored.width());
  const auto [y, height] = span(part.top, part.height, h.stored.height());
  return QRect(x, y, width, height);
}

void Configure(QImageReader& reader) {
  reader.setAutoTransform(true);
  reader.setAllocationLimit(kDecodeAllocationLimitMb);
  // At 50 and above Qt's JPEG reader uses the accurate DCT and smooth
  // scaling for the last step of a scaled decode.
  reader.setQuality(75);
}

}  // namespace

std::optional<QSize> PicturePixelSize(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  const QByteArray head = file.peek(16);
  QImageReader reader(&file);
  Configure(reader);
  const auto header = ReadHeader(reader, head);
  if (!header) return std::nullopt;
  return header->shown();
}

std::optional<Picture> LoadPictureFile(const std::string& path) {
  const auto pixels = PicturePixelSize(QString::fromStdString(path));
  if (!pixels) return std::nullopt;
  return Picture{path, pixels->width() * kPictureTwipsPerPixel,
                 pixels->height() * kPictureTwipsPerPixel};
}

QImage DecodePicture(const QString& path, QSize size, const PicturePart& part) {
  if (size.isEmpty() || !(part.width > 0) || !(part.height > 0)) return {};
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  const qint64 length = file.size();
  if (length <= 0) return {};
  // The integrity check and the decoder read the same bytes: mapped when the
  // system allows, otherwise read once, but only after the header passed.
  QByteArray bytes;
  if (const uchar* mapped = file.map(0, length)) {
    bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(mapped), length);
  } else {
    const QByteArray head = file.peek(16);
    QImageReader probe(&file);
    Configure(probe);
    if (!ReadHeader(probe, head) || !file.seek(0)) return {};
    bytes = file.readAll();
    if (bytes.size() != length) return {};
  }
  QBuffer buffer(&bytes);
  if (!buffer.open(QIODevice::ReadOnly)) return {};
  QImageReader reader(&buffer);
  Configure(reader);
  const auto header = ReadHeader(reader, bytes.left(16));
  if (!header) return {};
  const Bytes data(reinterpret_cast<const unsigned char*>(bytes.constData()),
                   static_cast<std::size_t>(bytes.size()));
  if (!PictureDataComplete(header->format.toStdString(), data)) return {};

  // The clip and the scaled size apply before the EXIF rotation; the scaled
  // size is that of the clipped part.
  const QRect clip = part.Whole() ? QRect(QPoint(0, 0), header->stored) : StoredRect(part, *header);
  const QSize wanted = header->transposed ? size.transposed() : size;
  const QSize scaled(std::min(wanted.width(), clip.width()),
                     std::min(wanted.height(), clip.height()));
  // A JPEG is decoded at its nearest reduction and resampled here for the
  // rest; other formats are decoded in full and scaled by Qt.
  const QSize decoded = header->format == "jpeg" ? JpegReduction(clip.size(), scaled) : scaled;
  if (clip.size() != header->stored) reader.setClipRect(clip);
  if (decoded != clip.size()) reader.setScaledSize(decoded);
  QImage image;
  if (!reader.read(&image) || image.isNull()) return {};
  return Resample(image, header->transposed ? scaled.transposed() : scaled);
}

QImage DecodePictureToFit(const QString& path, QSize box) {
  if (box.isEmpty()) return {};
  const auto pixels = PicturePixelSize(path);
  if (!pixels) return {};
  const QSize fitted = pixels->scaled(box, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
  QImage image = DecodePicture(path, fitted);
  if (image.isNull() || image.size() == fitted) return image;
  return image.scaled(fitted, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

}  // namespace orsalimbra::render
