// Every kind of printed page drawn on a PDF through the Qt surface and read
// back with pdftotext.
#include <gtest/gtest.h>

#include <QPrinter>
#include <QTemporaryDir>

#include "pdf_tools.h"
#include "render_qt/qt_printer_surface.h"
#include "sample_calendar.h"

namespace orsalimbra::render::testing {
namespace {

TEST(PagePdf, EveryPageKindCarriesItsTexts) {
  QTemporaryDir dir;
  SampleCalendar sample(dir.path());
  ASSERT_TRUE(sample.ready);
  const QString pdf = dir.filePath("calendar.pdf");
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(pdf);
  printer.setPageSize(QPageSize(QPageSize::A4));
  printer.setPageMargins(QMarginsF(12, 12, 12, 12), QPageLayout::Point);
  {
    QtPrinterSurface surface(&printer);
    DrawSamplePages(surface, sample);
    ASSERT_TRUE(surface.EndDoc()) << surface.FailureText();
  }

  struct Page {
    QStringList present;
    QStringList absent;
  };
  const Page expected[] = {
      {{"Almanacco", "2024", "12", "Dicembre", "2023", "Gennaio", "Giugno", "Luglio", "Dom",
        "Capodanno", "(Befana)"},
       {"Agosto"}},
      {{"Aprile", "2024", "Primavera", "lago", "Lun", "Dom", "Liberazione", "(San", "Marco)", "30"},
       {"31", "Maggio"}},
      {{"Gennaio", "Febbraio", "Capodanno", "Epifania", "(Befana)", "29"}, {"Marzo", "Primavera"}},
      {{"Marzo", "pazzerello", "Ven", "Dom", "31", "Pasqua", "(Festa", "donna)", "-", "(Mimosa)"},
       {"Aprile"}},
      {{"Gennaio", "Febbraio", "Capodanno", "(San", "Valentino)", "29"}, {"Marzo"}},
      {{"Almanacco", "2024"}, {"Gennaio"}},
      {{"Buon", "anno", "dalla", "famiglia", "Generatore", "calendari", "Ver.3.7"}, {"Almanacco"}},
  };
  for (int i = 0; i < 7; ++i) {
    const QStringList words = PdfPageWords(pdf, i + 1, false);
    for (const QString& word : expected[i].present) {
      EXPECT_TRUE(words.contains(word)) << "page " << i + 1 << " lacks " << word.toStdString();
    }
    for (const QString& word : expected[i].absent) {
      EXPECT_FALSE(words.contains(word)) << "page " << i + 1 << " has " << word.toStdString();
    }
  }
  EXPECT_EQ(PdfInfo(pdf, "Pages"), "7");
}

}  // namespace
}  // namespace orsalimbra::render::testing
