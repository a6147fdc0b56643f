#include "render/picture_integrity.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QImageWriter>

#include "picture_files.h"

using namespace orsalimbra::render;
using namespace orsalimbra::render::testing;

namespace {

Bytes Of(const QByteArray& b) {
  return Bytes(reinterpret_cast<const unsigned char*>(b.constData()),
               static_cast<std::size_t>(b.size()));
}

QByteArray ProgressiveJpeg(const QImage& image) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, "JPG");
  writer.setProgressiveScanWrite(true);
  writer.write(image);
  return bytes;
}

struct Case {
  const char* name;
  const char* format;
  QByteArray bytes;
  bool complete;
};

}  // namespace

TEST(PictureIntegrity, CompleteFilesPassAndShortOnesFail) {
  const QImage image = Noise(64, 48);
  const QByteArray jpeg = Encode(image, "JPG");
  const QByteArray progressive = ProgressiveJpeg(image);
  const QByteArray bmp = Encode(image, "BMP");
  const QByteArray gif = Gif(image);
  // The end marker's bytes inside an APP segment must not end the walk.
  const QByteArray appWithEoi = jpeg.left(2) + QByteArray("\xFF\xE5\x00\x06\xFF\xD9\xFF\xD9", 8) +
                                jpeg.mid(2, jpeg.size() / 2);
  // A graphic control extension before the image, as animations have.
  const QByteArray gifWithExtension =
      gif.left(13 + 768) + QByteArray("\x21\xF9\x04\x00\x00\x00\x00\x00", 8) + gif.mid(13 + 768);
  ASSERT_GT(progressive.count("\xFF\xDA"), 1) << "the writer made a single-scan JPEG";

  const Case cases[] = {
      {"jpeg complete", "jpeg", jpeg, true},
      {"jpeg with data after the end", "jpeg", jpeg + "trailing", true},
      {"jpeg without its end marker", "jpeg", jpeg.left(jpeg.size() - 2), false},
      {"jpeg cut in the scan", "jpeg", jpeg.left(jpeg.size() * 2 / 3), false},
      {"jpeg cut in the headers", "jpeg", jpeg.left(40), false},
      {"jpeg end marker only inside an APP segment", "jpeg", appWithEoi, false},
      {"progressive jpeg complete", "jpeg", progressive, true},
      {"progressive jpeg cut after the first scan", "jpeg",
       progressive.left(progressive.size() / 2), false},
      {"not a jpeg", "jpeg", QByteArray("GIF89a not really"), false},
      {"empty", "jpeg", QByteArray(), false},
      {"bmp complete", "bmp", bmp, true},
      {"bmp one byte short", "bmp", bmp.left(bmp.size() - 1), false},
      {"bmp header only", "bmp", bmp.left(54), false},
      {"bmp rows exactly present", "bmp", BmpHeader(4, 2, 24), true},
      {"bmp top-down rows", "bmp", BmpHeader(4, -2, 24), true},
      {"bmp last row short", "bmp", BmpHeader(4, 2, 23), false},
      {"bmp claiming 30000 x 30000", "bmp", BmpHeader(30000, 30000, 1000), false},
      {"bmp without width", "bmp", BmpHeader(0, 2, 24), false},
      {"gif complete", "gif", gif, true},
      {"gif with an extension block", "gif", gifWithExtension, true},
      {"gif without its trailer", "gif", gif.left(gif.size() - 1), true},
      {"gif without the image terminator", "gif", gif.left(gif.size() - 2), false},
      {"gif cut in the image data", "gif", gif.left(gif.size() / 2), false},
      {"gif header only", "gif", gif.left(13 + 768), false},
      {"other formats are left to their decoder", "png", QByteArray("xx"), true},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PictureDataComplete(c.format, Of(c.bytes)), c.complete) << c.name;
  }
}
