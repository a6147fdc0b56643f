#include "render_qt/qt_picture.h"

#include <sys/mman.h>

#include <QBuffer>
#include <QFile>
#include <QImageIOHandler>
#include <QImageReader>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <condition_variable>
#include <cstdlib>
#include <mutex>
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

constexpr std::size_t kHugePage = std::size_t{2} << 20;

// An image for a decode's large steps. A photo decoded for a page takes tens
// of megabytes, which the system hands over in pages of 4 KB, each on first
// touch: thousands of faults per picture, costing as much as the
// resampling. Where the system offers huge pages, memory aligned to them
// and marked for them comes in 2 MB pieces instead. Smaller images, where
// the rounding would outweigh the gain, are Qt's own.
QImage LargeImage(QSize size, QImage::Format format) {
  const int bits = QImage::toPixelFormat(format).bitsPerPixel();
  if (size.isEmpty() || bits == 0) return {};
  // Rows padded to 32 bits, as Qt lays out the images it allocates.
  const qsizetype bytesPerLine = (static_cast<qsizetype>(size.width()) * bits + 31) / 32 * 4;
  const auto bytes =
      static_cast<std::size_t>(bytesPerLine) * static_cast<std::size_t>(size.height());
  if (bytes < kHugePage) return QImage(size, format);
  const std::size_t rounded = (bytes + kHugePage - 1) / kHugePage * kHugePage;
  void* data = std::aligned_alloc(kHugePage, rounded);
  if (data == nullptr) return {};
#ifdef MADV_HUGEPAGE
  madvise(data, rounded, MADV_HUGEPAGE);  // only advice: without it, small pages
#endif
  QImage image(
      static_cast<uchar*>(data), size.width(), size.height(), bytesPerLine, format,
      [](void* memory) { std::free(memory); }, data);
  // An image that could not be made does not own the memory.
  if (image.isNull()) std::free(data);
  return image;
}

// Scales down to `size`. While the reduction is less than two each way,
// bilinear sampling loses nothing visible and costs half of Qt's area
// averaging, which is kept for larger reductions, where sampling would alias.
QImage Resample(const QImage& image, QSize size) {
  if (image.size() == size) return image;
  if (size.width() * 2 < image.width() || size.height() * 2 < image.height()) {
    return image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  }
  QImage out = LargeImage(
      size, image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
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
  // Qt's own limit on one image: a last guard where a header lies (a PNG
  // inside an icon, say); the budget below sees the rest.
  QImageReader::setAllocationLimit(static_cast<int>(kDecodeBudgetBytes / (1024 * 1024)));
  // At 50 and above Qt's JPEG reader uses the accurate DCT and smooth
  // scaling for the last step of a scaled decode.
  reader.setQuality(75);
}

Bytes Of(const QByteArray& bytes) {
  return Bytes(reinterpret_cast<const unsigned char*>(bytes.constData()),
               static_cast<std::size_t>(bytes.size()));
}

long long Pixels(QSize size) { return static_cast<long long>(size.width()) * size.height(); }

// What libjpeg hands Qt's JPEG reader for a scaled read: Qt picks the
// largest of the decoder's reductions (1/2, 1/4, 1/8) that still covers
// the size asked for, and scales the rest itself.
QSize QtJpegOutput(QSize stored, QSize asked) {
  const int most = std::min(stored.width() / std::max(asked.width(), 1),
                            stored.height() / std::max(asked.height(), 1));
  const int divisor = most >= 8 ? 8 : most >= 4 ? 4 : most >= 2 ? 2 : 1;
  return QSize((stored.width() + divisor - 1) / divisor, (stored.height() + divisor - 1) / divisor);
}

// The row buffers, tables and stream state of a decoder, and the rounding of
// its two large images to whole huge pages.
constexpr long long kDecoderOverhead = 4LL * 1024 * 1024 + 2 * static_cast<long long>(kHugePage);

// The decodes running at one time take at most kDecodeBudgetBytes together,
// whatever thread they run on: the reservation waits until its bytes fit.
class DecodeReservation {
 public:
  explicit DecodeReservation(long long bytes) : bytes_(bytes) {
    std::unique_lock lock(Mutex());
    Freed().wait(lock, [&] { return Reserved() + bytes_ <= kDecodeBudgetBytes; });
    Reserved() += bytes_;
  }
  ~DecodeReservation() {
    {
      const std::lock_guard lock(Mutex());
      Reserved() -= bytes_;
    }
    Freed().notify_all();
  }
  DecodeReservation(const DecodeReservation&) = delete;
  DecodeReservation& operator=(const DecodeReservation&) = delete;

 private:
  static std::mutex& Mutex() {
    static std::mutex mutex;
    return mutex;
  }
  static std::condition_variable& Freed() {
    static std::condition_variable freed;
    return freed;
  }
  static long long& Reserved() {
    static long long reserved = 0;
    return reserved;
  }
  long long bytes_;
};

// One picture read to be decoded: the file's bytes, its header checked,
// its data complete, the sizes planned and the memory it will take.
class Decode {
 public:
  Decode(const QString& path, QSize size, const PicturePart& part) : file_(path) {
    if (size.isEmpty() || !(part.width > 0) || !(part.height > 0)) return;
    if (!file_.open(QIODevice::ReadOnly)) return;
    const qint64 length = file_.size();
    // A file that alone would fill the budget is not read at all.
    if (length <= 0 || length > kDecodeBudgetBytes) return;
    // The integrity check and the decoder read the same bytes: mapped when
    // the system allows, otherwise read once, but only after the header
    // passed.
    if (const uchar* mapped = file_.map(0, length)) {
      bytes_ = QByteArray::fromRawData(reinterpret_cast<const char*>(mapped), length);
    } else {
      const QByteArray head = file_.peek(16);
      QImageReader probe(&file_);
      Configure(probe);
      if (!ReadHeader(probe, head) || !file_.seek(0)) return;
      bytes_ = file_.readAll();
      if (bytes_.size() != length) return;
    }
    buffer_.setBuffer(&bytes_);
    if (!buffer_.open(QIODevice::ReadOnly)) return;
    reader_.setDevice(&buffer_);
    Configure(reader_);
    const auto header = ReadHeader(reader_, bytes_.left(16));
    if (!header) return;
    header_ = *header;
    if (!PictureDataComplete(header_.format.toStdString(), Of(bytes_))) return;

    // The clip and the scaled size apply before the EXIF rotation; the scaled
    // size is that of the clipped part.
    clip_ = part.Whole() ? QRect(QPoint(0, 0), header_.stored) : StoredRect(part, header_);
    const QSize wanted = header_.transposed ? size.transposed() : size;
    scaled_ =
        QSize(std::min(wanted.width(), clip_.width()), std::min(wanted.height(), clip_.height()));
    // A JPEG is decoded at its nearest reduction and resampled here for the
    // rest; other formats are decoded in full and scaled by Qt.
    decoded_ = header_.format == "jpeg" ? JpegReduction(clip_.size(), scaled_) : scaled_;
    cost_ = Cost();
  }

  // Nothing when the picture cannot be decoded.
  std::optional<long long> cost() const { return cost_; }

  QImage Run() {
    if (clip_.size() != header_.stored) reader_.setClipRect(clip_);
    if (decoded_ != clip_.size()) reader_.setScaledSize(decoded_);
    // Qt's reader fills the image it is handed when that has the size and
    // format it decodes to; otherwise it makes its own.
    QImage image;
    if (header_.format == "jpeg") {
      image = LargeImage(QtJpegOutput(clip_.size(), decoded_), reader_.imageFormat());
    }
    if (!reader_.read(&image) || image.isNull()) return {};
    return Resample(image, header_.transposed ? scaled_.transposed() : scaled_);
  }

 private:
  // What the decode holds at its peak: the file's bytes, the decoder's
  // buffers, the image it hands over, Qt's scaled copy of it and the
  // resampled result.
  long long Cost() const {
    long long cost = bytes_.size() + kDecoderOverhead + Pixels(scaled_) * 4;
    if (header_.format == "jpeg") {
      if (const std::optional<JpegFrame> frame = ReadJpegFrame(Of(bytes_))) {
        cost += static_cast<long long>(JpegCoefficientBytes(*frame));
      }
      const QSize output = QtJpegOutput(clip_.size(), decoded_);
      cost += Pixels(output) * 4;
      if (output != decoded_) cost += Pixels(decoded_) * 4;
      return cost;
    }
    // Decoded in full at the reader's pixel format (at least the 32 bits Qt
    // converts to); GIF keeps a second full image to restore frames from.
    const int bits = QImage::toPixelFormat(reader_.imageFormat()).bitsPerPixel();
    const long long full = Pixels(header_.stored) * std::max(4, bits / 8);
    cost += header_.format == "gif" ? 2 * full : full;
    if (decoded_ != clip_.size()) cost += Pixels(decoded_) * 4;
    return cost;
  }

  QFile file_;
  QByteArray bytes_;
  QBuffer buffer_;
  QImageReader reader_;
  Header header_;
  QRect clip_;
  QSize scaled_;
  QSize decoded_;
  std::optional<long long> cost_;
};

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
  Decode decode(path, size, part);
  if (!decode.cost() || *decode.cost() > kDecodeBudgetBytes) return {};
  const DecodeReservation reservation(*decode.cost());
  return decode.Run();
}

std::optional<long long> PictureDecodeCost(const QString& path, QSize size,
                                           const PicturePart& part) {
  return Decode(path, size, part).cost();
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
