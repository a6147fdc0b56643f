#include "render_qt/qt_picture.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QImageWriter>
#include <QTemporaryDir>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "picture_files.h"
#include "render/picture_integrity.h"

using namespace orsalimbra::render;
using namespace orsalimbra::render::testing;

namespace {

class QtPictureTest : public ::testing::Test {
 protected:
  QString Write(const QString& name, const QByteArray& bytes) {
    const QString path = dir_.filePath(name);
    EXPECT_TRUE(WriteFile(path, bytes)) << path.toStdString();
    return path;
  }
  QColor At(const QImage& image, double fx, double fy) {
    return image.pixelColor(static_cast<int>(fx * image.width()),
                            static_cast<int>(fy * image.height()));
  }

  QTemporaryDir dir_;
};

}  // namespace

TEST_F(QtPictureTest, NaturalSizeIsFifteenTwipsPerPixelForEveryFormat) {
  const QImage image = Quadrants(120, 80);
  for (const auto& [name, bytes] :
       {std::pair{"a.jpg", Encode(image, "JPG")}, std::pair{"a.bmp", Encode(image, "BMP")},
        std::pair{"a.gif", Gif(image)}, std::pair{"a.png", Encode(image, "PNG")},
        // The content decides, not the name.
        std::pair{"bmp-named.jpg", Encode(image, "BMP")}}) {
    const auto picture = LoadPictureFile(Write(name, bytes).toStdString());
    ASSERT_TRUE(picture.has_value()) << name;
    EXPECT_DOUBLE_EQ(picture->width, 120 * 15.0) << name;
    EXPECT_DOUBLE_EQ(picture->height, 80 * 15.0) << name;
    const QImage decoded = DecodePicture(QString::fromStdString(picture->path), QSize(120, 80));
    ASSERT_FALSE(decoded.isNull()) << name;
    EXPECT_TRUE(Near(At(decoded, 0.25, 0.25), Qt::red)) << name;
    EXPECT_TRUE(Near(At(decoded, 0.75, 0.75), Qt::yellow)) << name;
  }
}

TEST_F(QtPictureTest, ExifOrientationTurnsSizeAndPixels) {
  // Stored 40 x 20, red left and blue right (top and bottom halves alike).
  QImage stored(40, 20, QImage::Format_RGB32);
  stored.fill(Qt::blue);
  for (int y = 0; y < 20; ++y) {
    for (int x = 0; x < 20; ++x) stored.setPixel(x, y, qRgb(255, 0, 0));
  }
  const QByteArray jpeg = Encode(stored, "JPG", 95);
  // Orientation 6: the camera was turned a quarter clockwise; shown upright,
  // the stored left edge is at the top.
  const QString turned = Write("turned.jpg", WithExifOrientation(jpeg, 6));
  const auto size = PicturePixelSize(turned);
  ASSERT_TRUE(size.has_value());
  EXPECT_EQ(*size, QSize(20, 40));
  for (const QSize wanted : {QSize(20, 40), QSize(10, 20)}) {
    const QImage shown = DecodePicture(turned, wanted);
    ASSERT_EQ(shown.size(), wanted);
    EXPECT_TRUE(Near(At(shown, 0.5, 0.2), Qt::red));
    EXPECT_TRUE(Near(At(shown, 0.5, 0.8), Qt::blue));
  }
  // Orientation 3 keeps the size and puts red on the right.
  const QString upsideDown = Write("upside.jpg", WithExifOrientation(jpeg, 3));
  EXPECT_EQ(PicturePixelSize(upsideDown), QSize(40, 20));
  const QImage flipped = DecodePicture(upsideDown, QSize(40, 20));
  EXPECT_TRUE(Near(At(flipped, 0.8, 0.5), Qt::red));
}

TEST_F(QtPictureTest, DecodesAtTheSizeAskedButNeverBeyondTheFile) {
  const QString jpeg = Write("q.jpg", Encode(Quadrants(300, 200), "JPG"));
  const QString bmp = Write("q.bmp", Encode(Quadrants(300, 200), "BMP"));
  for (const QString& path : {jpeg, bmp}) {
    EXPECT_EQ(DecodePicture(path, QSize(75, 50)).size(), QSize(75, 50));
    // Stretched: the aspect ratio is the caller's business.
    EXPECT_EQ(DecodePicture(path, QSize(150, 20)).size(), QSize(150, 20));
    EXPECT_EQ(DecodePicture(path, QSize(3000, 2000)).size(), QSize(300, 200));
    EXPECT_EQ(DecodePicture(path, QSize(3000, 100)).size(), QSize(300, 100));
    EXPECT_TRUE(DecodePicture(path, QSize(0, 100)).isNull());
  }
}

// Pictures of page size are decoded into memory of the decoder's own: each
// quadrant must still land where it belongs, whatever the rows' padding
// (odd widths, one byte a pixel) and whichever step fills the memory (the
// JPEG reader, the resampling).
TEST_F(QtPictureTest, LargeDecodesKeepEveryPixelInPlace) {
  const QImage even = Quadrants(2000, 1600);
  const QImage odd = Quadrants(2001, 1601);
  const QImage grey = odd.convertToFormat(QImage::Format_Grayscale8);
  const struct {
    const char* name;
    QString path;
    QImage expected;
  } files[] = {
      {"JPEG", Write("e.jpg", Encode(even, "JPG")), even},
      {"JPEG, odd size", Write("o.jpg", Encode(odd, "JPG")), odd},
      {"grey JPEG, odd size", Write("g.jpg", Encode(grey, "JPG")), grey},
      {"PNG, odd size", Write("o.png", Encode(odd, "PNG")), odd},
  };
  const struct {
    QSize size;
    PicturePart part;
  } requests[] = {
      {{2001, 1601}, {}},                      // as stored
      {{1700, 1300}, {}},                      // resampled
      {{1001, 801}, {}},                       // the JPEG reader's own reduction
      {{1400, 1100}, {0.05, 0.05, 0.9, 0.9}},  // a part, resampled
      {{2001, 1601}, {0.25, 0.25, 0.5, 0.5}},  // a part as stored
  };
  for (const auto& file : files) {
    for (const auto& request : requests) {
      SCOPED_TRACE(std::string(file.name) + " at " + std::to_string(request.size.width()));
      const QImage image = DecodePicture(file.path, request.size, request.part);
      const QSize stored = file.expected.size();
      const QSize part(static_cast<int>(std::lround(stored.width() * request.part.width)),
                       static_cast<int>(std::lround(stored.height() * request.part.height)));
      ASSERT_EQ(image.size(), request.size.boundedTo(part));
      for (const double fx : {0.1, 0.9}) {
        for (const double fy : {0.1, 0.9}) {
          const double x = request.part.left + fx * request.part.width;
          const double y = request.part.top + fy * request.part.height;
          EXPECT_TRUE(Near(At(image, fx, fy), At(file.expected, x, y))) << fx << ", " << fy;
        }
      }
    }
  }
}

TEST_F(QtPictureTest, ThumbnailsFitTheBoxWithTheirAspectRatio) {
  const QImage image = Quadrants(300, 200);
  const QString jpeg = Write("q.jpg", Encode(image, "JPG"));
  const QString turned = Write("t.jpg", WithExifOrientation(Encode(image, "JPG"), 8));
  const QString small = Write("s.gif", Gif(Quadrants(30, 20)));
  EXPECT_EQ(DecodePictureToFit(jpeg, QSize(60, 60)).size(), QSize(60, 40));
  EXPECT_EQ(DecodePictureToFit(jpeg, QSize(600, 100)).size(), QSize(150, 100));
  EXPECT_EQ(DecodePictureToFit(turned, QSize(60, 60)).size(), QSize(40, 60));
  EXPECT_EQ(DecodePictureToFit(small, QSize(90, 90)).size(), QSize(90, 60));
  const QImage thumb = DecodePictureToFit(jpeg, QSize(60, 60));
  EXPECT_TRUE(Near(At(thumb, 0.75, 0.25), Qt::green));
  EXPECT_TRUE(DecodePictureToFit(jpeg, QSize()).isNull());
}

// Every bad file gives nothing, quickly, without a crash. Files that a header
// reader cannot tell from good ones (cut short) load but do not decode.
TEST_F(QtPictureTest, BadFilesLoadOrDecodeToNothing) {
  const QImage image = Noise(200, 150);
  const QByteArray jpeg = Encode(image, "JPG");
  const QByteArray bmp = Encode(image, "BMP");
  const QByteArray gif = Gif(image);
  QByteArray random(5000, '\0');
  for (int i = 0; i < random.size(); ++i) random[i] = static_cast<char>((i * 7919 + 13) % 251);

  struct Bad {
    const char* name;
    QByteArray bytes;
    bool headerReads;
  };
  const Bad cases[] = {
      {"random.jpg", random, false},
      {"text.jpg", "This is a note, not a picture.\n", false},
      {"empty.bmp", QByteArray(), false},
      {"half.jpg", jpeg.left(jpeg.size() / 2), true},
      {"noend.jpg", jpeg.left(jpeg.size() - 2), true},
      {"half.bmp", bmp.left(bmp.size() / 2), true},
      {"half.gif", gif.left(gif.size() / 2), true},
      {"huge.bmp", BmpHeader(30000, 30000, 4096), false},
      {"huge.jpg", WithJpegFrameSize(jpeg, 30000, 30000), false},
      {"zero.bmp", BmpHeader(0, 0, 0), false},
      {"zero.gif", Gif(QImage(0, 0, QImage::Format_RGB32)), false},
  };
  for (const Bad& bad : cases) {
    const QString path = Write(bad.name, bad.bytes);
    EXPECT_EQ(LoadPictureFile(path.toStdString()).has_value(), bad.headerReads) << bad.name;
    EXPECT_TRUE(DecodePicture(path, QSize(100, 100)).isNull()) << bad.name;
    EXPECT_TRUE(DecodePictureToFit(path, QSize(100, 100)).isNull()) << bad.name;
  }
  EXPECT_FALSE(LoadPictureFile(dir_.filePath("missing.jpg").toStdString()).has_value());
  EXPECT_TRUE(DecodePicture(dir_.filePath("missing.jpg"), QSize(10, 10)).isNull());
}

// Pictures whose headers make the decoder take far more memory than their
// bytes suggest are measured before decoding: those over the budget load
// (their size is known) but decode to nothing. Large pictures that cost
// little to decode at a small size still decode.
TEST_F(QtPictureTest, PictureBombsOverTheBudgetDecodeToNothing) {
  const QByteArray progressive = [] {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "JPG");
    writer.setProgressiveScanWrite(true);
    writer.write(Noise(800, 600));
    return bytes;
  }();

  struct Row {
    const char* name;
    QByteArray bytes;
    bool overBudget;
  };
  const Row rows[] = {
      {"bomb-cmyk.jpg", JpegBomb(12240, 12240), true},  // as the 852-byte file that took 1.2 GB
      {"bomb-420.jpg", JpegBomb(20000, 7000, kProgressive420), true},
      {"bomb-multiscan.jpg", JpegBomb(12000, 12000, kLumaScanFirst), true},
      {"bomb.png", PngBomb(12000, 12000), true},
      {"bomb.gif", GifBomb(12000, 12000), true},
      // A single scan is decoded a row of blocks at a time, reduced to 1/8.
      {"large-sequential.jpg", JpegBomb(12240, 12240, kSequentialCmyk), false},
      {"progressive.jpg", progressive, false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const QString path = Write(row.name, row.bytes);
    ASSERT_TRUE(LoadPictureFile(path.toStdString()).has_value());
    const std::optional<long long> cost = PictureDecodeCost(path, QSize(400, 400));
    ASSERT_TRUE(cost.has_value());
    EXPECT_EQ(*cost > kDecodeBudgetBytes, row.overBudget) << *cost;
    EXPECT_EQ(DecodePicture(path, QSize(400, 400)).isNull(), row.overBudget);
    EXPECT_EQ(DecodePictureToFit(path, QSize(200, 200)).isNull(), row.overBudget);
  }
  // The coefficients of a progressive file count whatever the size asked.
  const QString path = Write("progressive.jpg", progressive);
  const auto frame = ReadJpegFrame(Bytes(reinterpret_cast<const unsigned char*>(progressive.data()),
                                         static_cast<std::size_t>(progressive.size())));
  ASSERT_TRUE(frame.has_value());
  EXPECT_GT(PictureDecodeCost(path, QSize(8, 8)).value_or(0),
            static_cast<long long>(JpegCoefficientBytes(*frame)));
}

// A part of the picture, as shown, decodes to what the whole picture shows
// there, whatever the EXIF orientation and the format.
TEST_F(QtPictureTest, PartsAreCutFromThePictureAsShown) {
  // Nine cells of distinct colours, stored 300 x 180.
  const QColor colours[9] = {Qt::red,     Qt::green, Qt::blue,  Qt::yellow,        Qt::cyan,
                             Qt::magenta, Qt::white, Qt::black, QColor(128, 64, 0)};
  QImage stored(300, 180, QImage::Format_RGB32);
  for (int y = 0; y < 180; ++y) {
    for (int x = 0; x < 300; ++x) stored.setPixelColor(x, y, colours[(y / 60) * 3 + x / 100]);
  }
  const QByteArray jpeg = Encode(stored, "JPG", 95);
  std::vector<std::pair<std::string, QString>> files;
  for (int orientation = 1; orientation <= 8; ++orientation) {
    files.emplace_back(
        "JPEG, orientation " + std::to_string(orientation),
        Write(QStringLiteral("o%1.jpg").arg(orientation), WithExifOrientation(jpeg, orientation)));
  }
  files.emplace_back("BMP", Write("a.bmp", Encode(stored, "BMP")));
  files.emplace_back("PNG", Write("a.png", Encode(stored, "PNG")));
  for (const auto& [name, path] : files) {
    SCOPED_TRACE(name);
    const auto shownSize = PicturePixelSize(path);
    ASSERT_TRUE(shownSize.has_value());
    const QImage whole = DecodePicture(path, *shownSize);
    ASSERT_FALSE(whole.isNull());
    for (int cell = 0; cell < 9; ++cell) {
      const double left = (cell % 3) / 3.0;
      const double top = (cell / 3) / 3.0;
      const QImage part = DecodePicture(path, QSize(24, 16), {left, top, 1 / 3.0, 1 / 3.0});
      ASSERT_EQ(part.size(), QSize(24, 16)) << cell;
      EXPECT_TRUE(Near(At(part, 0.5, 0.5), At(whole, left + 1 / 6.0, top + 1 / 6.0))) << cell;
    }
    // The middle half each way, never decoded to more pixels than it holds.
    const QImage middle = DecodePicture(path, QSize(4000, 4000), {0.25, 0.25, 0.5, 0.5});
    EXPECT_EQ(middle.size(), *shownSize / 2);
    EXPECT_TRUE(Near(At(middle, 0.5, 0.5), At(whole, 0.5, 0.5)));
    EXPECT_TRUE(DecodePicture(path, QSize(10, 10), {0, 0, 0, 1}).isNull());
  }
}
