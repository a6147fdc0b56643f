// The Qt surface on images and pixmaps, checked by probing pixels.
#include "render_qt/qt_surface.h"
#include "render_qt/qt_printer_surface.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPixmap>
#include <QPrinter>
#include <QTemporaryDir>
#include <cmath>
#include <numbers>

#include "picture_files.h"

using namespace orsalimbra::render;
using namespace orsalimbra::render::testing;

namespace {

constexpr double kPi = std::numbers::pi;

QImage WhiteImage(int width, int height, int dpi) {
  QImage image(width, height, QImage::Format_RGB32);
  image.setDotsPerMeterX(qRound(dpi / 0.0254));
  image.setDotsPerMeterY(qRound(dpi / 0.0254));
  image.fill(Qt::white);
  return image;
}

bool IsWhite(QColor c) { return c.red() > 235 && c.green() > 235 && c.blue() > 235; }
bool IsRed(QColor c) { return c.red() > 200 && c.green() < 70 && c.blue() < 70; }
bool IsBlue(QColor c) { return c.blue() > 150 && c.red() < 110 && c.green() < 110; }
bool IsDark(QColor c) { return qGray(c.rgb()) < 128; }

// The smallest rectangle holding every non-white pixel, in inches.
QRectF InkInInches(const QImage& image, double dpi) {
  int left = image.width(), top = image.height(), right = -1, bottom = -1;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (qGray(image.pixel(x, y)) < 160) {
        left = std::min(left, x);
        right = std::max(right, x);
        top = std::min(top, y);
        bottom = std::max(bottom, y);
      }
    }
  }
  return QRectF(left / dpi, top / dpi, (right + 1 - left) / dpi, (bottom + 1 - top) / dpi);
}

}  // namespace

// Font metrics in twips do not depend on the device: a preview measures text
// exactly as the printer will.
TEST(QtSurface, TextMetricsAreTheSameOnEveryDevice) {
  QImage screen = WhiteImage(384, 288, 96);  // 4 x 3 inches
  QImage fine = WhiteImage(1200, 900, 300);
  QPixmap pixmap(200, 100);
  pixmap.setDevicePixelRatio(2);
  QTemporaryDir dir;
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(dir.filePath("m.pdf"));
  QtSurface a(&screen), b(&fine), c(&pixmap);
  QtPrinterSurface d(&printer);
  EXPECT_DOUBLE_EQ(a.ScaleWidth(), 5760);
  EXPECT_DOUBLE_EQ(b.ScaleWidth(), 5760);
  EXPECT_DOUBLE_EQ(b.ScaleHeight(), 4320);
  EXPECT_DOUBLE_EQ(c.ScaleWidth(), 100 * 15);

  struct Font {
    const char* name;
    double size;
    bool bold, italic;
  };
  const Font fonts[] = {{"", 8, false, false},
                        {"Arial", 10.5, true, false},
                        {"Courier New", 24, false, true},
                        {"Times New Roman", 72, true, true}};
  for (const Font& f : fonts) {
    for (Surface* s : std::initializer_list<Surface*>{&a, &b, &c, &d}) {
      s->FontName = f.name;
      s->FontSize = f.size;
      s->FontBold = f.bold;
      s->FontItalic = f.italic;
    }
    const double width = a.TextWidth("Febbraio 2027");
    const double height = a.TextHeight("Febbraio 2027");
    EXPECT_GT(width, 0) << f.name;
    for (Surface* s : std::initializer_list<Surface*>{&b, &c, &d}) {
      EXPECT_DOUBLE_EQ(s->TextWidth("Febbraio 2027"), width) << f.name;
      EXPECT_DOUBLE_EQ(s->TextHeight("Febbraio 2027"), height) << f.name;
    }
  }
  // The empty name is the base font; a line is ascent plus descent, about
  // 1.12 em for Arial's metrics, without the extra leading.
  a.FontName = "";
  a.FontSize = 10;
  a.FontBold = a.FontItalic = false;
  const double base = a.TextWidth("Lunedi");
  EXPECT_NEAR(a.TextHeight(""), 10 * 20 * 1.117, 2);
  a.FontName = kBaseFontName;
  EXPECT_DOUBLE_EQ(a.TextWidth("Lunedi"), base);
  a.FontName = "Courier New";
  EXPECT_NEAR(a.TextWidth("Lunedi"), 6 * 0.6 * 200, 1);  // monospaced, 0.6 em
  d.Abort();
}

// The same text at the same twips lands on the same inches at 96 and 300 dpi,
// its top-left at the current position.
TEST(QtSurface, TextInkSitsAtTheSameInchesAtEveryResolution) {
  QRectF ink[2];
  const int dpis[2] = {96, 300};
  for (int i = 0; i < 2; ++i) {
    QImage image = WhiteImage(4 * dpis[i], 3 * dpis[i], dpis[i]);
    {
      QtSurface s(&image);
      s.FontSize = 24;
      s.CurrentX = 1440;
      s.CurrentY = 720;
      s.Print("HH");
      EXPECT_DOUBLE_EQ(s.CurrentX, 0);
      EXPECT_DOUBLE_EQ(s.CurrentY, 720 + s.TextHeight(""));
      const double width = s.TextWidth("HH");
      s.CurrentY = 2160;
      s.CurrentX = 1440;
      s.Print("H", true);
      EXPECT_DOUBLE_EQ(s.CurrentX, 1440 + s.TextWidth("H"));
      // The ink of "HH" lies inside its advance box.
      const QRectF box(1440.0 / 1440, 720.0 / 1440, width / 1440, s.TextHeight("") / 1440);
      ASSERT_TRUE(s.EndDoc());
      QImage top = image.copy(0, 0, image.width(), dpis[i] * 2160 / 1440 - 1);
      ink[i] = InkInInches(top, dpis[i]);
      EXPECT_TRUE(box.adjusted(-0.02, -0.02, 0.02, 0.02).contains(ink[i]))
          << "ink " << ink[i].x() << "," << ink[i].y() << " " << ink[i].width() << "x"
          << ink[i].height();
    }
  }
  // Capital H: the ink starts just right of the pen and ends near the cap
  // height below the top; both resolutions agree to a 96 dpi pixel.
  const double pixel = 1.0 / 96;
  EXPECT_NEAR(ink[0].left(), ink[1].left(), 1.5 * pixel);
  EXPECT_NEAR(ink[0].top(), ink[1].top(), 1.5 * pixel);
  EXPECT_NEAR(ink[0].right(), ink[1].right(), 1.5 * pixel);
  EXPECT_NEAR(ink[0].bottom(), ink[1].bottom(), 1.5 * pixel);
  EXPECT_NEAR(ink[1].left(), 1.0, 0.05);
  EXPECT_GT(ink[1].top(), 0.5 + 0.04);  // below the ascent's top
}

// Arcs and pies on a 96 dpi image (15 twips a pixel), centre (100, 100)
// pixels, radius 80 pixels; outline blue, fill red. Angles run
// counter-clockwise from three o'clock as seen on the page.
TEST(QtSurface, ArcsAndPiesDrawTheirPartsOnly) {
  struct Probe {
    double angle;   // direction from the centre, radians
    double reach;   // fraction of the radius
    char expected;  // 'w' white, 'r' fill, 'b' outline
  };
  struct Case {
    const char* name;
    std::optional<double> start, end;
    int fillStyle;
    std::vector<Probe> probes;
  };
  const double quarter = kPi / 2;
  const Case cases[] = {
      {"right-hand 216 degree pie from 1.4 pi to 0.6 pi, filled",
       -1.4 * kPi,
       -0.6 * kPi,
       kFillSolid,
       {{0, 0.5, 'r'},
        {quarter, 0.5, 'r'},
        {3 * quarter, 0.5, 'r'},
        {kPi, 0.5, 'w'},
        {5 * kPi / 6, 0.5, 'w'},
        {0, 1, 'b'},
        {1.4 * kPi, 0.5, 'b'},
        {0.6 * kPi, 0.5, 'b'}}},
      {"quarter pie from three to twelve o'clock is the upper right one",
       -1e-4,
       -quarter,
       kFillSolid,
       {{kPi / 4, 0.5, 'r'}, {-kPi / 4, 0.5, 'w'}, {3 * kPi / 4, 0.5, 'w'}, {kPi / 4, 1, 'b'}}},
      {"pie left transparent keeps its radius lines",
       -kPi / 4,
       -3 * kPi / 4,
       kFillTransparent,
       {{quarter, 0.5, 'w'}, {kPi / 4, 0.5, 'b'}, {3 * kPi / 4, 0.5, 'b'}, {quarter, 1, 'b'}}},
      {"open arc: no radius line, no fill",
       kPi / 4,
       3 * kPi / 4,
       kFillSolid,
       {{quarter, 1, 'b'},
        {quarter, 0.5, 'w'},
        {kPi / 4, 0.5, 'w'},
        {3 * kPi / 4, 0.5, 'w'},
        {-quarter, 1, 'w'}}},
      {"negative start: one radius line, at the start",
       -kPi / 4,
       3 * kPi / 4,
       kFillSolid,
       {{kPi / 4, 0.5, 'b'}, {3 * kPi / 4, 0.5, 'w'}, {quarter, 0.5, 'w'}, {quarter, 1, 'b'}}},
      {"negative end: one radius line, at the end",
       kPi / 4,
       -3 * kPi / 4,
       kFillSolid,
       {{kPi / 4, 0.5, 'w'}, {3 * kPi / 4, 0.5, 'b'}, {quarter, 0.5, 'w'}}},
      {"arc through three o'clock when the end is the smaller angle",
       1.5 * kPi,
       0.5 * kPi,
       kFillSolid,
       {{0, 1, 'b'}, {kPi, 1, 'w'}, {0, 0.5, 'w'}}},
      {"full circle filled when solid",
       std::nullopt,
       std::nullopt,
       kFillSolid,
       {{0, 0, 'r'}, {kPi, 0.5, 'r'}, {0, 1, 'b'}, {kPi, 1, 'b'}}},
      {"full circle transparent",
       std::nullopt,
       std::nullopt,
       kFillTransparent,
       {{0, 0, 'w'}, {kPi, 0.5, 'w'}, {quarter, 1, 'b'}}},
  };
  for (const Case& c : cases) {
    QImage image = WhiteImage(200, 200, 96);
    {
      QtSurface s(&image);
      s.DrawWidth = 3;
      s.FillStyle = c.fillStyle;
      s.FillColor = kRed;
      if (c.start) {
        s.Circle(1500, 1500, 1200, kBlue, *c.start, *c.end);
      } else {
        s.Circle(1500, 1500, 1200, kBlue);
      }
      EXPECT_EQ(s.CurrentX, 1500);
      EXPECT_EQ(s.CurrentY, 1500);
    }
    for (const Probe& p : c.probes) {
      // The page's Y axis points down: a positive angle goes up.
      const int x = static_cast<int>(std::lround(100 + 80 * p.reach * std::cos(p.angle)));
      const int y = static_cast<int>(std::lround(100 - 80 * p.reach * std::sin(p.angle)));
      const QColor got = image.pixelColor(std::clamp(x, 0, 199), std::clamp(y, 0, 199));
      const bool ok = p.expected == 'w'   ? IsWhite(got)
                      : p.expected == 'r' ? IsRed(got)
                                          : IsBlue(got);
      EXPECT_TRUE(ok) << c.name << ": at angle " << p.angle << ", reach " << p.reach
                      << " expected '" << p.expected << "', got " << got.name().toStdString();
    }
  }
}

// On an image a line width of one is one pixel of the image, at any
// resolution.
TEST(QtSurface, LineWidthCountsImagePixels) {
  for (const int dpi : {96, 300}) {
    QImage image = WhiteImage(2 * dpi, 2 * dpi, dpi);
    {
      QtSurface s(&image);
      s.DrawWidth = 4;
      s.Line(0, 720, 2880, 720, kBlack);  // centred on a pixel boundary
      s.DrawWidth = 2;
      s.Line(0, 2160, 2880, 2160, kBlack);
      EXPECT_EQ(s.CurrentX, 2880);
      EXPECT_EQ(s.CurrentY, 2160);
    }
    int thick = 0, thin = 0;
    for (int y = 0; y < dpi; ++y) thick += IsDark(image.pixelColor(dpi, y));
    for (int y = dpi; y < 2 * dpi; ++y) thin += IsDark(image.pixelColor(dpi, y));
    EXPECT_EQ(thick, 4) << dpi << " dpi";
    EXPECT_EQ(thin, 2) << dpi << " dpi";
  }
}

TEST(QtSurface, PictureFillsItsRectangleOnly) {
  QTemporaryDir dir;
  const QString path = dir.filePath("q.jpg");
  ASSERT_TRUE(WriteFile(path, Encode(Quadrants(300, 200), "JPG", 95)));
  QImage image = WhiteImage(400, 300, 96);
  {
    QtSurface s(&image);
    const auto picture = s.LoadPicture(path.toStdString());
    ASSERT_TRUE(picture.has_value());
    EXPECT_DOUBLE_EQ(picture->width, 4500);
    // Stretched into pixels (100, 50) to (300, 150).
    s.PaintPicture(*picture, 1500, 750, 3000, 1500);
    // Nothing for empty rectangles.
    s.PaintPicture(*picture, 0, 0, 0, 1500);
    s.PaintPicture(*picture, 0, 0, -1500, 1500);
  }
  const auto at = [&](int x, int y) { return image.pixelColor(x, y); };
  EXPECT_TRUE(Near(at(104, 54), Qt::red));
  EXPECT_TRUE(Near(at(295, 54), Qt::green));
  EXPECT_TRUE(Near(at(104, 145), Qt::blue));
  EXPECT_TRUE(Near(at(295, 145), Qt::yellow));
  for (const QPoint outside :
       {QPoint(96, 54), QPoint(304, 54), QPoint(104, 46), QPoint(295, 154), QPoint(10, 10)}) {
    EXPECT_TRUE(IsWhite(at(outside.x(), outside.y()))) << outside.x() << "," << outside.y();
  }
}

TEST(QtSurface, BadPicturesPaintNothing) {
  QTemporaryDir dir;
  const QByteArray jpeg = Encode(Noise(300, 200), "JPG");
  const QString cut = dir.filePath("cut.jpg");
  const QString huge = dir.filePath("huge.bmp");
  ASSERT_TRUE(WriteFile(cut, jpeg.left(jpeg.size() / 2)));
  ASSERT_TRUE(WriteFile(huge, BmpHeader(30000, 30000, 1 << 16)));
  QImage image = WhiteImage(100, 100, 96);
  {
    QtSurface s(&image);
    const auto picture = s.LoadPicture(cut.toStdString());
    ASSERT_TRUE(picture.has_value());  // its header is intact
    s.PaintPicture(*picture, 0, 0, 1500, 1500);
    EXPECT_FALSE(s.LoadPicture(huge.toStdString()).has_value());
    // Even when a caller forges the size, the file is not decoded.
    s.PaintPicture(Picture{huge.toStdString(), 450000, 450000}, 0, 0, 1500, 1500);
    s.PaintPicture(Picture{dir.filePath("missing.gif").toStdString(), 10, 10}, 0, 0, 1500, 1500);
    EXPECT_FALSE(s.Failed());
  }
  for (int y = 0; y < 100; y += 7) {
    for (int x = 0; x < 100; x += 7) ASSERT_TRUE(IsWhite(image.pixelColor(x, y))) << x << "," << y;
  }
}

// A preview box clears to white across all its device pixels, and an image
// holds one page: a new page clears it.
TEST(QtSurface, ClsAndNewPageClearPreviews) {
  QPixmap pixmap(120, 80);
  pixmap.setDevicePixelRatio(2);
  pixmap.fill(Qt::black);
  QImage image = WhiteImage(60, 40, 96);
  {
    QtSurface preview(&pixmap);
    EXPECT_DOUBLE_EQ(preview.ScaleWidth(), 60 * 15);
    EXPECT_DOUBLE_EQ(preview.ScaleHeight(), 40 * 15);
    preview.CurrentX = 100;
    preview.Cls();
    EXPECT_EQ(preview.CurrentX, 0);
    // One line pixel is one device pixel, half a logical one: centred on
    // device row 40 (20.25 logical pixels), it darkens that row only.
    preview.Line(0, 303.75, 900, 303.75, kBlack);

    QtSurface page(&image);
    page.Line(0, 300, 900, 300, kRed);
    page.CurrentY = 50;
    EXPECT_TRUE(page.NewPage());
    EXPECT_EQ(page.CurrentY, 0);
    EXPECT_TRUE(page.EndDoc());
    EXPECT_FALSE(page.NewPage());
  }
  const QImage shown = pixmap.toImage();
  EXPECT_TRUE(IsWhite(shown.pixelColor(119, 79)));
  EXPECT_TRUE(IsWhite(shown.pixelColor(0, 0)));
  int dark = 0;
  for (int y = 0; y < 80; ++y) dark += qGray(shown.pixel(60, y)) < 200;
  EXPECT_EQ(dark, 1);
  EXPECT_TRUE(IsWhite(image.pixelColor(30, 20)));
}

TEST(QtSurface, NullImageFails) {
  QImage none;
  QtSurface s(&none);
  EXPECT_EQ(s.failure().kind, DeviceFailure::Kind::PictureNotDrawable);
  s.Print("x");
  s.Cls();
  EXPECT_FALSE(s.EndDoc());
}
