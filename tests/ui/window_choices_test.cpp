// The plain decisions behind the main window: the proposed year, the spin
// steps, the layout descriptions, the cover style cycle, the page metrics
// without a printer, and the thumbnail cache.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include "session/year_entry.h"
#include "support/qt_test_support.h"
#include "ui/layout_choice.h"
#include "ui/picture_slot.h"
#include "ui/printer_metrics.h"

namespace orsalimbra::ui {
namespace {

TEST(YearEntryTest, ProposesNextYearFromJulyOn) {
  EXPECT_EQ(session::ProposedYear(QDate(2025, 1, 1)), 2025);
  EXPECT_EQ(session::ProposedYear(QDate(2025, 6, 30)), 2025);
  EXPECT_EQ(session::ProposedYear(QDate(2025, 7, 1)), 2026);
  EXPECT_EQ(session::ProposedYear(QDate(2025, 12, 31)), 2026);
}

TEST(YearEntryTest, SpinStepsWithinTheRangeFromTheBoxText) {
  struct Case {
    const char* name;
    const char* text;
    int last, delta;
    std::optional<int> expected;
  };
  const Case cases[] = {
      {"up", "2026", 2000, +1, 2027},
      {"down", "2026", 2000, -1, 2025},
      {"the typed year counts, not the last step", "2040", 2026, +1, 2041},
      {"top of the range", "2999", 2999, +1, std::nullopt},
      {"bottom of the range", "1900", 1900, -1, std::nullopt},
      {"below the range comes into it", "1700", 2026, +1, 1900},
      {"above the range comes into it", "5000", 2026, -1, 2999},
      {"not a number: from the last step", "abc", 2026, +1, 2027},
      {"empty: from the last step", "", 2026, -1, 2025},
      {"a year written oddly is rewritten at the end", "02999", 2026, +1, 2999},
      {"huge numbers do not overflow", "99999999999999999999", 2026, +1, 2027},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(session::SpinStep(QString::fromLatin1(c.text), c.last, c.delta), c.expected)
        << c.name;
  }
}

TEST(LayoutChoiceTest, DescriptionsButtonsAndMonthControls) {
  struct Case {
    int layout, noMonthPhotos;
    int button;
    const char* description;
    bool monthPages;
  };
  const Case cases[] = {
      {0, 0, 0, "Un semestre per facciata", false},
      {0, 1, 0, "Un semestre per facciata", false},
      {1, 0, 1, "Un mese per facciata, formato settimanale", true},
      {1, 1, 1, "Due mesi per facciata, formato settimanale", true},
      {2, 0, 2, "Un mese per facciata, formato giornaliero", true},
      {2, 1, 2, "Due mesi per facciata, formato giornaliero", true},
  };
  for (const Case& c : cases) {
    const auto view = LayoutViewFor(core::LayoutCode{c.layout}, c.noMonthPhotos != 0);
    ASSERT_TRUE(view.has_value()) << c.layout;
    EXPECT_EQ(view->chosenButton, c.button);
    EXPECT_EQ(view->description, QString::fromUtf8(c.description));
    EXPECT_EQ(view->monthPages, c.monthPages);
  }
  EXPECT_FALSE(LayoutViewFor(core::LayoutCode{3}, false).has_value());
  EXPECT_FALSE(LayoutViewFor(core::LayoutCode::Invalid, true).has_value());
  EXPECT_EQ(LayoutToolTip(core::LayoutCode::Semester),
            QString::fromUtf8(
                " Un semestre per facciata, con visibilità del mese precedente e successivo "));
  EXPECT_EQ(LayoutToolTip(core::LayoutCode::Daily),
            QStringLiteral(" Un mese per facciata, formato giornaliero "));
}

TEST(LayoutChoiceTest, CoverStyleCycles) {
  const auto cycle = [](int from, bool photo, int steps) {
    std::vector<int> styles{from};
    for (int i = 0; i < steps; ++i) {
      styles.push_back(static_cast<int>(NextCoverStyle(render::CoverCode{styles.back()}, photo)));
    }
    return styles;
  };
  EXPECT_EQ(cycle(0, false, 5), (std::vector<int>{0, 1, 2, 3, 0, 1}));
  EXPECT_EQ(cycle(0, true, 6), (std::vector<int>{0, 1, 2, 3, 4, 0, 1}));
  // The photo went away while style 3 was chosen: 0 follows, never 4.
  EXPECT_EQ(NextCoverStyle(render::CoverCode{3}, false), render::CoverCode::None);
  EXPECT_EQ(NextCoverStyle(render::CoverCode{4}, false), render::CoverCode::None);
  EXPECT_EQ(NextCoverStyle(render::CoverCode{9}, true), render::CoverCode::None);
  EXPECT_EQ(NextCoverStyle(render::CoverCode{2147483647}, true), render::CoverCode::None);
}

TEST(PrinterMetricsTest, WithoutAPrinterAnA4PdfPageIsMeasured) {
  const render::PageMetrics a4 = MeasureA4Pdf();
  EXPECT_GT(a4.PageWidth, 9000);
  EXPECT_GT(a4.PageHeight, 14000);
  EXPECT_GT(a4.DigitWidth, 0);
  EXPECT_GT(a4.DigitHeight, 0);
  EXPECT_EQ(a4.WeeklyRowBase, 760);
  // Whatever printers this machine has, the page is never left empty.
  const render::PageMetrics chosen = MeasureDefaultPrinter();
  EXPECT_GT(chosen.PageWidth, 0);
  EXPECT_GT(chosen.PageHeight, 0);
  EXPECT_GT(chosen.DigitHeight, 0);
}

class PictureSlotTest : public ::testing::Test {
 protected:
  QString Picture(const char* name, QColor colour, QSize size = QSize(64, 48)) {
    const QString path = dir_.filePath(QString::fromLatin1(name));
    EXPECT_TRUE(test_support::WritePicture(path, colour, size));
    return path;
  }
  QTemporaryDir dir_;
};

TEST_F(PictureSlotTest, DecodesOnceAtTheAskedSizeAndAgainOnlyWhenTheFileChanges) {
  PictureSlot slot;
  const QString red = Picture("a.png", Qt::red, QSize(600, 400));
  ASSERT_TRUE(slot.Load(red, QSize(60, 44)));
  EXPECT_EQ(slot.image().size(), QSize(60, 44));
  EXPECT_EQ(slot.image().pixelColor(30, 22), QColor(Qt::red));
  ASSERT_TRUE(slot.Load(red, QSize(60, 44)));
  EXPECT_EQ(slot.decodeCount(), 1);
  // A smaller file than the slot is stretched up to the slot.
  Picture("a.png", Qt::blue, QSize(20, 10));
  ASSERT_TRUE(slot.Load(red, QSize(60, 44)));
  EXPECT_EQ(slot.decodeCount(), 2);
  EXPECT_EQ(slot.image().size(), QSize(60, 44));
  EXPECT_EQ(slot.image().pixelColor(30, 22), QColor(Qt::blue));
}

TEST_F(PictureSlotTest, APictureThatCannotBeDecodedKeepsThePreviousOne) {
  PictureSlot slot;
  const QString broken = dir_.filePath(QStringLiteral("broken.jpg"));
  QFile file(broken);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("\xFF\xD8\xFF not really a picture");
  file.close();
  EXPECT_FALSE(slot.Load(broken, QSize(60, 44)));
  EXPECT_TRUE(slot.isNull());  // nothing held before
  ASSERT_TRUE(slot.Load(Picture("green.png", Qt::green), QSize(60, 44)));
  EXPECT_FALSE(slot.Load(broken, QSize(60, 44)));
  EXPECT_EQ(slot.image().pixelColor(1, 1), QColor(Qt::green));
}

}  // namespace
}  // namespace orsalimbra::ui
