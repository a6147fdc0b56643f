// The Qt surface on paper, checked by reading the PDF back with poppler's
// tools: where text lands, how wide it is, what a line width becomes, at what
// resolution pictures are embedded, and how failures are reported.
#include <gtest/gtest.h>

#include <QFileInfo>
#include <QImage>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <vector>

#include "pdf_tools.h"
#include "picture_files.h"
#include "render_qt/qt_printer_surface.h"

using namespace orsalimbra::render;
using namespace orsalimbra::render::testing;

namespace {

struct Word {
  QString text;
  double xMin, yMin, xMax, yMax;  // points from the sheet's top-left corner
};

std::vector<Word> Words(const QString& pdf, int page) {
  const QString out = QString::fromUtf8(RunPdfTool(
      "pdftotext", {"-bbox", "-f", QString::number(page), "-l", QString::number(page), pdf, "-"}));
  static const QRegularExpression word(
      R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
  std::vector<Word> words;
  for (const auto& m : word.globalMatch(out)) {
    words.push_back({m.captured(5), m.captured(1).toDouble(), m.captured(2).toDouble(),
                     m.captured(3).toDouble(), m.captured(4).toDouble()});
  }
  return words;
}

const Word* Find(const std::vector<Word>& words, const QString& text) {
  for (const Word& w : words) {
    if (w.text == text) return &w;
  }
  return nullptr;
}
// The word found points into the list, so the list must outlive the call.
const Word* Find(std::vector<Word>&& words, const QString& text) = delete;

// Margins in points chosen unequal, so that a wrong origin or a swapped
// side shows.
constexpr double kLeft = 36, kTop = 54, kRight = 18, kBottom = 27;

class PdfSurfaceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    path_ = dir_.filePath("out.pdf");
    printer_.setOutputFormat(QPrinter::PdfFormat);
    printer_.setOutputFileName(path_);
    printer_.setPageSize(QPageSize(QPageSize::A4));
    printer_.setPageMargins(QMarginsF(kLeft, kTop, kRight, kBottom), QPageLayout::Point);
  }

  QTemporaryDir dir_;
  QString path_;
  QPrinter printer_{QPrinter::HighResolution};
};

}  // namespace

TEST_F(PdfSurfaceTest, TextLandsAtItsTwipPositionFromThePrintableCorner) {
  QtPrinterSurface surface(&printer_);
  ASSERT_FALSE(surface.Failed()) << surface.FailureText();
  // A4 is 595 x 842 points in Qt's page sizes.
  EXPECT_DOUBLE_EQ(surface.ScaleWidth(), (595 - kLeft - kRight) * 20);
  EXPECT_DOUBLE_EQ(surface.ScaleHeight(), (842 - kTop - kBottom) * 20);

  surface.FontSize = 20;
  surface.CurrentX = 1440;
  surface.CurrentY = 2880;
  const double width = surface.TextWidth("Orsalimbra");
  surface.Print("Orsalimbra");
  surface.FontName = "Courier New";
  surface.FontBold = true;
  const double cornerWidth = surface.TextWidth("Corner");
  surface.CurrentX = surface.ScaleWidth() - cornerWidth;
  surface.CurrentY = surface.ScaleHeight() - surface.TextHeight("Corner");
  surface.Print("Corner");
  ASSERT_TRUE(surface.NewPage());
  EXPECT_EQ(surface.CurrentY, 0);
  surface.FontName.clear();
  surface.Print("Second");
  ASSERT_TRUE(surface.EndDoc()) << surface.FailureText();
  EXPECT_GT(QFileInfo(path_).size(), 0);

  const auto first = Words(path_, 1);
  const Word* text = Find(first, "Orsalimbra");
  ASSERT_NE(text, nullptr);
  // One inch right and two inches down from the printable area's corner.
  EXPECT_NEAR(text->xMin, kLeft + 72, 0.5);
  EXPECT_NEAR(text->yMin, kTop + 144, 1.0);
  EXPECT_NEAR((text->xMax - text->xMin) * 20, width, 10);
  // The text placed by ScaleWidth/ScaleHeight ends at the printable corner.
  const Word* corner = Find(first, "Corner");
  ASSERT_NE(corner, nullptr);
  EXPECT_NEAR(corner->xMax, 595 - kRight, 0.5);
  EXPECT_NEAR(corner->yMax, 842 - kBottom, 1.5);
  EXPECT_NEAR((corner->xMax - corner->xMin) * 20, cornerWidth, 10);
  // The next page starts again at the printable corner.
  const auto secondPage = Words(path_, 2);
  const Word* second = Find(secondPage, "Second");
  ASSERT_NE(second, nullptr);
  EXPECT_NEAR(second->xMin, kLeft, 0.5);
  EXPECT_NEAR(second->yMin, kTop, 1.0);
}

// On paper a line width counts dots of a 600 dpi printer: rendered at 600
// dpi, a width of 10 covers 10 rows.
TEST_F(PdfSurfaceTest, LineWidthCountsDotsOfSixHundredDpi) {
  QtPrinterSurface surface(&printer_);
  surface.DrawWidth = 10;
  surface.Line(0, 1440, 2880, 1440, kBlack);
  surface.DrawWidth = 1;
  surface.Line(0, 2880, 2880, 2880, kBlack);
  ASSERT_TRUE(surface.EndDoc()) << surface.FailureText();

  // Crop a column of the page across both lines; the printable corner is at
  // (36, 54) points, i.e. (300, 450) dots.
  const QString prefix = dir_.filePath("crop");
  RunPdfTool("pdftoppm", {"-r", "600", "-gray", "-x", "700", "-y", "900", "-W", "4", "-H", "1000",
                          "-singlefile", path_, prefix});
  const QImage crop(prefix + ".pgm");
  ASSERT_FALSE(crop.isNull());
  const auto darkRows = [&](int from, int to) {
    int n = 0;
    for (int y = from; y < to; ++y) n += qGray(crop.pixel(2, y)) < 128;
    return n;
  };
  // The thick line is centred at 450 + 600 = 1050 dots, the thin one at 1650.
  EXPECT_NEAR(darkRows(0, 300), 10, 1);
  EXPECT_NEAR(darkRows(600, 1000), 1, 1);
  EXPECT_GE(darkRows(600, 1000), 1);
}

// Pictures are embedded at about 300 dpi of their rectangle, and never with
// more pixels than the file holds.
TEST_F(PdfSurfaceTest, PicturesAreEmbeddedAtThreeHundredDpi) {
  const QString big = dir_.filePath("big.jpg");
  const QString small = dir_.filePath("small.bmp");
  ASSERT_TRUE(WriteFile(big, Encode(Noise(3000, 2000), "JPG")));
  ASSERT_TRUE(WriteFile(small, Encode(Quadrants(30, 20), "BMP")));
  QtPrinterSurface surface(&printer_);
  const auto bigPicture = surface.LoadPicture(big.toStdString());
  const auto smallPicture = surface.LoadPicture(small.toStdString());
  ASSERT_TRUE(bigPicture && smallPicture);
  surface.PaintPicture(*bigPicture, 0, 0, 2 * 1440, 2 * 1440 * 2 / 3);
  surface.PaintPicture(*smallPicture, 0, 4000, 3 * 1440, 2 * 1440);
  ASSERT_TRUE(surface.EndDoc()) << surface.FailureText();

  const QString list = QString::fromUtf8(RunPdfTool("pdfimages", {"-list", path_}));
  static const QRegularExpression row(R"(^\s*1\s+\d+\s+image\s+(\d+)\s+(\d+))",
                                      QRegularExpression::MultilineOption);
  std::vector<QSize> sizes;
  for (const auto& m : row.globalMatch(list)) {
    sizes.emplace_back(m.captured(1).toInt(), m.captured(2).toInt());
  }
  ASSERT_EQ(sizes.size(), 2u) << list.toStdString();
  EXPECT_EQ(sizes[0], QSize(600, 400));
  EXPECT_EQ(sizes[1], QSize(30, 20));
}

TEST(PdfSurfaceFailure, UnwritableFileFailsWithoutDrawing) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName("/nonexistent/dir/x.pdf");
  QtPrinterSurface surface(&printer);
  ASSERT_TRUE(surface.Failed());
  EXPECT_EQ(surface.failure().kind, DeviceFailure::Kind::CannotWriteFile);
  EXPECT_EQ(surface.FailureText(), "Cannot write the file \"/nonexistent/dir/x.pdf\"");
  // Every operation is harmless; the metrics still answer.
  surface.Print("text");
  surface.Line(0, 0, 100, 100, kRed);
  surface.FillStyle = kFillSolid;
  surface.Circle(500, 500, 100, kRed);
  surface.Circle(500, 500, 100, kRed, -1, -2);
  surface.PaintPicture(Picture{"/nonexistent.jpg", 100, 100}, 0, 0, 100, 100);
  surface.Cls();
  EXPECT_GT(surface.TextWidth("text"), 0);
  EXPECT_FALSE(surface.NewPage());
  EXPECT_FALSE(surface.EndDoc());
  EXPECT_EQ(surface.failure().kind, DeviceFailure::Kind::CannotWriteFile);  // the first one stays
  EXPECT_FALSE(QFileInfo::exists("/nonexistent/dir/x.pdf"));
}

TEST_F(PdfSurfaceTest, AbortLeavesNoPartialFile) {
  QtPrinterSurface surface(&printer_);
  surface.Print("partial");
  ASSERT_TRUE(surface.NewPage());
  surface.Abort();
  EXPECT_FALSE(QFileInfo::exists(path_));
  EXPECT_FALSE(surface.NewPage());
  EXPECT_FALSE(surface.EndDoc());
}
