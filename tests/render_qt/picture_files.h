// Picture files made for the tests: real pictures written by Qt, and files
// crafted byte by byte where Qt cannot write them (GIF, EXIF orientation,
// headers that lie about the size).
#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QString>

namespace orsalimbra::render::testing {

// Four quadrants: red top-left, green top-right, blue bottom-left, yellow
// bottom-right.
QImage Quadrants(int width, int height);
// Colour noise over a gradient: compresses poorly, like a photo.
QImage Noise(int width, int height, unsigned seed = 1);

// The image encoded by Qt ("JPG", "BMP", "PNG").
QByteArray Encode(const QImage& image, const char* format, int quality = 90);

// A GIF89a of the image's colours reduced to 256 (3-3-2 bits), written
// without compression: Qt reads GIF but cannot write it.
QByteArray Gif(const QImage& image);

// The JPEG with an EXIF APP1 segment holding only the orientation tag
// (1 upright, 3 upside down, 6 turned a quarter clockwise, 8 anticlockwise).
QByteArray WithExifOrientation(const QByteArray& jpeg, int orientation);

// The JPEG whose frame header claims another size; the data stays the same.
QByteArray WithJpegFrameSize(const QByteArray& jpeg, int width, int height);

// A 24-bit BMP header claiming this size, followed by `dataBytes` zero bytes.
QByteArray BmpHeader(int width, int height, int dataBytes);

// Picture bombs: small files whose headers make a decoder take far more
// memory than their bytes suggest.
struct JpegBombShape {
  int components = 4;                  // 4: CMYK
  bool progressive = true;             // the decoder keeps every coefficient
  int firstScanComponents = 0;         // 0: all; fewer: a multi-scan sequential file
  unsigned char firstSampling = 0x11;  // the first component's factors, 0xHV
};
// Sequential, one scan of all four channels: decoded a row at a time.
inline constexpr JpegBombShape kSequentialCmyk{4, false, 0, 0x11};
// Sequential YCbCr whose first scan holds luma alone: kept whole like a
// progressive file.
inline constexpr JpegBombShape kLumaScanFirst{3, false, 1, 0x11};
// Progressive YCbCr with chroma at half resolution each way (4:2:0).
inline constexpr JpegBombShape kProgressive420{3, true, 0, 0x22};
// A complete JPEG of grey: its scan is a few zero bytes, which the decoder
// stretches over the whole frame.
QByteArray JpegBomb(int width, int height, const JpegBombShape& shape = {});
// A 16-bit RGB PNG header with a few bytes of data.
QByteArray PngBomb(int width, int height);
// A GIF whose one frame covers the screen and holds no pixel.
QByteArray GifBomb(int width, int height);

bool WriteFile(const QString& path, const QByteArray& bytes);

// True when the colours are within `tolerance` on every channel (JPEG is lossy).
bool Near(QColor a, QColor b, int tolerance = 48);

}  // namespace orsalimbra::render::testing
