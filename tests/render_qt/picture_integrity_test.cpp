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

// The frame and first scan as a decoder reads them, and the coefficient
// buffers a multi-scan file makes it keep.
TEST(PictureIntegrity, JpegFramesTellTheDecodersWork) {
  const QImage image = Noise(64, 48);
  const QByteArray baseline = Encode(image, "JPG");
  const QByteArray progressive = ProgressiveJpeg(image);
  JpegBombShape noSampling;
  noSampling.firstSampling = 0x01;
  const QByteArray bomb = JpegBomb(12240, 12240);
  const qsizetype sofAt = bomb.indexOf("\xFF\xC2");
  const qsizetype sosAt = bomb.indexOf("\xFF\xDA");
  const QByteArray twoFrames = bomb.left(sosAt) + bomb.mid(sofAt, 8 + 3 * 4 + 2) + bomb.mid(sosAt);
  const QByteArray scanFirst = bomb.left(sofAt) + bomb.mid(sosAt);

  struct Row {
    const char* name;
    QByteArray bytes;
    bool reads;
    int width, height, components;
    bool progressive, multiScan;
    std::uint64_t coefficientBytes;
  };
  const Row rows[] = {
      {"Qt's sequential", baseline, true, 64, 48, 3, false, false, 0},
      // 64 x 48 at 2 x 2 for luma: 8 x 6 blocks; chroma 4 x 3, in whole MCUs.
      {"Qt's progressive", progressive, true, 64, 48, 3, true, true, (8 * 6 + 2 * 4 * 3) * 128},
      // The 852-byte file of the report: 1530 x 1530 blocks of four channels.
      {"progressive CMYK", bomb, true, 12240, 12240, 4, true, true, 1530ull * 1530 * 4 * 128},
      {"sequential CMYK", JpegBomb(12240, 12240, kSequentialCmyk), true, 12240, 12240, 4, false,
       false, 0},
      {"sequential, luma scan first", JpegBomb(100, 100, kLumaScanFirst), true, 100, 100, 3, false,
       true, 3ull * 13 * 13 * 128},
      // Luma 2 x 2: 2500 x 875 blocks; chroma 1250 x 438, rounded to MCUs.
      {"progressive 4:2:0", JpegBomb(20000, 7000, kProgressive420), true, 20000, 7000, 3, true,
       true, (2500ull * 876 + 2 * 1250ull * 438) * 128},
      {"sampling factor 0", JpegBomb(100, 100, noSampling), false, 0, 0, 0, false, false, 0},
      {"two frames", twoFrames, false, 0, 0, 0, false, false, 0},
      {"scan before the frame", scanFirst, false, 0, 0, 0, false, false, 0},
      {"cut in the frame", bomb.left(sofAt + 9), false, 0, 0, 0, false, false, 0},
      {"no scan", bomb.left(sosAt) + "\xFF\xD9", false, 0, 0, 0, false, false, 0},
      {"not a jpeg", Gif(image), false, 0, 0, 0, false, false, 0},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const std::optional<JpegFrame> frame = ReadJpegFrame(Of(row.bytes));
    ASSERT_EQ(frame.has_value(), row.reads);
    if (!frame) continue;
    EXPECT_EQ(frame->width, static_cast<std::uint32_t>(row.width));
    EXPECT_EQ(frame->height, static_cast<std::uint32_t>(row.height));
    EXPECT_EQ(frame->components.size(), static_cast<std::size_t>(row.components));
    EXPECT_EQ(frame->progressive, row.progressive);
    EXPECT_EQ(frame->multiScan, row.multiScan);
    EXPECT_EQ(JpegCoefficientBytes(*frame), row.coefficientBytes);
    EXPECT_TRUE(JpegComplete(Of(row.bytes)));
  }
}
