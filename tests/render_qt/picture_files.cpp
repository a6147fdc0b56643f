#include "picture_files.h"

#include <QBuffer>
#include <QFile>
#include <QImageWriter>
#include <cstdint>
#include <cstdlib>
#include <random>

namespace orsalimbra::render::testing {

namespace {

void Append16le(QByteArray& b, int v) {
  b.append(static_cast<char>(v & 0xFF));
  b.append(static_cast<char>((v >> 8) & 0xFF));
}

void Append32le(QByteArray& b, long long v) {
  Append16le(b, static_cast<int>(v & 0xFFFF));
  Append16le(b, static_cast<int>((v >> 16) & 0xFFFF));
}

void Append16be(QByteArray& b, int v) {
  b.append(static_cast<char>((v >> 8) & 0xFF));
  b.append(static_cast<char>(v & 0xFF));
}

}  // namespace

QImage Quadrants(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const bool right = x >= width / 2;
      const bool bottom = y >= height / 2;
      QRgb c = !bottom ? (right ? qRgb(0, 255, 0) : qRgb(255, 0, 0))
                       : (right ? qRgb(255, 255, 0) : qRgb(0, 0, 255));
      image.setPixel(x, y, c);
    }
  }
  return image;
}

QImage Noise(int width, int height, unsigned seed) {
  QImage image(width, height, QImage::Format_RGB32);
  std::minstd_rand random(seed);
  for (int y = 0; y < height; ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < width; ++x) {
      const int n = static_cast<int>(random() % 64);
      line[x] = qRgb((x * 191 / width + n) % 256, (y * 191 / height + n) % 256,
                     ((x + y) * 127 / (width + height) + 2 * n) % 256);
    }
  }
  return image;
}

QByteArray Encode(const QImage& image, const char* format, int quality) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, format);
  writer.setQuality(quality);
  writer.write(image);
  return bytes;
}

QByteArray Gif(const QImage& image) {
  QByteArray b("GIF89a");
  Append16le(b, image.width());
  Append16le(b, image.height());
  b.append(static_cast<char>(0xF7));  // global colour table of 256 entries
  b.append('\0');
  b.append('\0');
  for (int i = 0; i < 256; ++i) {
    b.append(static_cast<char>((i >> 5) * 255 / 7));
    b.append(static_cast<char>(((i >> 2) & 7) * 255 / 7));
    b.append(static_cast<char>((i & 3) * 255 / 3));
  }
  b.append(',');
  Append16le(b, 0);
  Append16le(b, 0);
  Append16le(b, image.width());
  Append16le(b, image.height());
  b.append('\0');
  b.append(static_cast<char>(8));  // LZW minimum code size
  // Every pixel as a literal 9-bit code, with a clear code before the table
  // would grow to 10-bit codes.
  QByteArray data;
  unsigned bits = 0;
  int count = 0;
  const auto put = [&](unsigned code) {
    bits |= code << count;
    count += 9;
    while (count >= 8) {
      data.append(static_cast<char>(bits & 0xFF));
      bits >>= 8;
      count -= 8;
    }
  };
  put(256);
  int sinceClear = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QRgb c = image.pixel(x, y);
      put(((qRed(c) >> 5) << 5) | ((qGreen(c) >> 5) << 2) | (qBlue(c) >> 6));
      if (++sinceClear == 250) {
        put(256);
        sinceClear = 0;
      }
    }
  }
  put(257);
  if (count > 0) data.append(static_cast<char>(bits & 0xFF));
  for (qsizetype i = 0; i < data.size(); i += 255) {
    const qsizetype n = std::min<qsizetype>(255, data.size() - i);
    b.append(static_cast<char>(n));
    b.append(data.mid(i, n));
  }
  b.append('\0');
  b.append(';');
  return b;
}

QByteArray WithExifOrientation(const QByteArray& jpeg, int orientation) {
  QByteArray tiff("MM");  // big-endian TIFF
  Append16be(tiff, 42);
  Append16be(tiff, 0);
  Append16be(tiff, 8);       // offset of IFD0
  Append16be(tiff, 1);       // one entry
  Append16be(tiff, 0x0112);  // Orientation
  Append16be(tiff, 3);       // SHORT
  Append16be(tiff, 0);
  Append16be(tiff, 1);  // count
  Append16be(tiff, orientation);
  Append16be(tiff, 0);  // padding of the value field
  Append16be(tiff, 0);
  Append16be(tiff, 0);  // no next IFD
  QByteArray segment("\xFF\xE1", 2);
  const QByteArray body = QByteArray("Exif\0\0", 6) + tiff;
  Append16be(segment, static_cast<int>(body.size() + 2));
  segment += body;
  return jpeg.left(2) + segment + jpeg.mid(2);
}

QByteArray WithJpegFrameSize(const QByteArray& jpeg, int width, int height) {
  QByteArray out = jpeg;
  qsizetype i = 2;
  while (i + 4 < out.size()) {
    const auto code = static_cast<unsigned char>(out[i + 1]);
    const int length =
        (static_cast<unsigned char>(out[i + 2]) << 8) | static_cast<unsigned char>(out[i + 3]);
    if (code >= 0xC0 && code <= 0xC2) {  // SOF0..2: precision, height, width
      out[i + 5] = static_cast<char>((height >> 8) & 0xFF);
      out[i + 6] = static_cast<char>(height & 0xFF);
      out[i + 7] = static_cast<char>((width >> 8) & 0xFF);
      out[i + 8] = static_cast<char>(width & 0xFF);
      return out;
    }
    i += 2 + length;
  }
  return out;
}

QByteArray BmpHeader(int width, int height, int dataBytes) {
  const long long rowBytes = (static_cast<long long>(width) * 24 + 31) / 32 * 4;
  QByteArray b("BM");
  Append32le(b, 54 + rowBytes * height);  // claimed file size
  Append32le(b, 0);
  Append32le(b, 54);  // pixel data offset
  Append32le(b, 40);  // BITMAPINFOHEADER
  Append32le(b, width);
  Append32le(b, height);
  Append16le(b, 1);   // planes
  Append16le(b, 24);  // bits per pixel
  Append32le(b, 0);   // uncompressed
  Append32le(b, rowBytes * height);
  Append32le(b, 3780);  // 96 dpi
  Append32le(b, 3780);
  Append32le(b, 0);
  Append32le(b, 0);
  b.append(QByteArray(dataBytes, '\0'));
  return b;
}

QByteArray JpegBomb(int width, int height, const JpegBombShape& shape) {
  QByteArray b("\xFF\xD8", 2);
  // One quantisation table of ones.
  b.append("\xFF\xDB", 2);
  Append16be(b, 67);
  b.append('\0');
  b.append(QByteArray(64, '\1'));
  // The frame: every component sampled 1 x 1 but the first.
  b.append('\xFF');
  b.append(static_cast<char>(shape.progressive ? 0xC2 : 0xC0));
  Append16be(b, 8 + 3 * shape.components);
  b.append('\x08');
  Append16be(b, height);
  Append16be(b, width);
  b.append(static_cast<char>(shape.components));
  for (int c = 0; c < shape.components; ++c) {
    b.append(static_cast<char>(c + 1));
    b.append(static_cast<char>(c == 0 ? shape.firstSampling : 0x11));
    b.append('\0');
  }
  // DC and AC tables with a single one-bit code for symbol 0: a zero bit is
  // a block of grey, so that zero bytes decode as a whole grey image.
  b.append("\xFF\xC4", 2);
  Append16be(b, 2 + 2 * 18);
  for (const char tableClass : {'\x00', '\x10'}) {
    b.append(tableClass);
    b.append('\1');
    b.append(QByteArray(15, '\0'));
    b.append('\0');
  }
  // The first scan, then a few bytes of data: the decoder fills the rest.
  const int inScan = shape.firstScanComponents > 0 ? shape.firstScanComponents : shape.components;
  b.append("\xFF\xDA", 2);
  Append16be(b, 6 + 2 * inScan);
  b.append(static_cast<char>(inScan));
  for (int c = 0; c < inScan; ++c) {
    b.append(static_cast<char>(c + 1));
    b.append('\0');
  }
  b.append('\0');
  b.append(static_cast<char>(shape.progressive ? 0 : 63));
  b.append('\0');
  b.append(QByteArray(16, '\0'));
  b.append("\xFF\xD9", 2);
  return b;
}

namespace {

std::uint32_t Crc32(const QByteArray& bytes) {
  std::uint32_t crc = 0xFFFFFFFFu;
  for (const char c : bytes) {
    crc ^= static_cast<unsigned char>(c);
    for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
  }
  return ~crc;
}

void Append32be(QByteArray& b, std::uint32_t v) {
  Append16be(b, static_cast<int>(v >> 16));
  Append16be(b, static_cast<int>(v & 0xFFFF));
}

void PngChunk(QByteArray& png, const char* type, const QByteArray& data) {
  Append32be(png, static_cast<std::uint32_t>(data.size()));
  const QByteArray typed = QByteArray(type, 4) + data;
  png.append(typed);
  Append32be(png, Crc32(typed));
}

}  // namespace

QByteArray PngBomb(int width, int height) {
  QByteArray png("\x89PNG\r\n\x1A\n", 8);
  QByteArray header;
  Append32be(header, static_cast<std::uint32_t>(width));
  Append32be(header, static_cast<std::uint32_t>(height));
  header.append("\x10\x02\0\0\0", 5);  // 16-bit RGB, no interlace
  PngChunk(png, "IHDR", header);
  // qCompress puts the length in front of the zlib stream.
  PngChunk(png, "IDAT", qCompress(QByteArray(64, '\0')).mid(4));
  PngChunk(png, "IEND", {});
  return png;
}

QByteArray GifBomb(int width, int height) {
  QByteArray b("GIF89a");
  Append16le(b, width);
  Append16le(b, height);
  b.append("\x80\0\0", 3);  // a global table of two colours
  b.append("\0\0\0\xFF\xFF\xFF", 6);
  b.append('\x2C');
  Append16le(b, 0);
  Append16le(b, 0);
  Append16le(b, width);
  Append16le(b, height);
  b.append('\0');
  // LZW with 3-bit codes: clear (4) and end (5) in one byte.
  b.append("\x02\x01\x2C\x00\x3B", 5);
  return b;
}

bool WriteFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

bool Near(QColor a, QColor b, int tolerance) {
  return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance &&
         std::abs(a.blue() - b.blue()) <= tolerance;
}

}  // namespace orsalimbra::render::testing
