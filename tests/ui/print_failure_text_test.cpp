// The message of a failed print job says, in Italian, what failed.
#include "ui/print_failure_text.h"

#include <gtest/gtest.h>

#include <QStringList>

namespace orsalimbra::ui {
namespace {

using render::DeviceFailure;
using Kind = DeviceFailure::Kind;

QStringList Lines(const DeviceFailure& failure) {
  return PrintFailureText(failure).split(QLatin1Char('\n'));
}

TEST(PrintFailureText, NamesWhatFailed) {
  struct Row {
    DeviceFailure failure;
    QString reason;
  };
  const Row rows[] = {
      {{Kind::CannotWriteFile, "/carta/anno.pdf"},
       QStringLiteral("Non si può scrivere il file \"/carta/anno.pdf\".")},
      // The system's words stay out of the Italian sentence.
      {{Kind::CannotWriteFile, "/x/y.pdf", "No such file or directory"},
       QStringLiteral("Non si può scrivere il file \"/x/y.pdf\".")},
      {{Kind::FileNotWritten, "/tmp/a.pdf"},
       QStringLiteral("Il file \"/tmp/a.pdf\" non è stato scritto.")},
      {{Kind::CannotStartPrinter, "Ufficio"},
       QStringLiteral("La stampante \"Ufficio\" non può cominciare a stampare.")},
      {{Kind::PageRefused}, QStringLiteral("La stampante ha rifiutato una nuova pagina.")},
      {{Kind::NoPrinter}, QStringLiteral("Non c'è nessuna stampante.")},
      {{}, QStringLiteral("La stampante non ha detto perché.")},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.failure.Text());
    const QStringList lines = Lines(row.failure);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0],
              QStringLiteral("La stampa si è interrotta e il documento è stato annullato."));
    EXPECT_EQ(lines[1], row.reason);
  }
}

// Pages too big for the paper are found before anything is printed.
TEST(PrintFailureText, PaperTooSmall) {
  const QStringList lines = Lines({Kind::PageTooSmall, "141 x 203 mm"});
  ASSERT_EQ(lines.size(), 2);
  EXPECT_EQ(lines[0], QStringLiteral("Non è stato stampato niente."));
  EXPECT_EQ(lines[1], QStringLiteral("Le pagine di questo formato non entrano nell'area stampabile "
                                     "del foglio (141 x 203 mm): scegliere un foglio più grande."));
}

// No failure reaches the user in English, whatever the sentence the command
// line prints for it.
TEST(PrintFailureText, EveryKindInItalian) {
  for (int k = static_cast<int>(Kind::CannotWriteFile); k <= static_cast<int>(Kind::PageTooSmall);
       ++k) {
    const DeviceFailure failure{static_cast<Kind>(k), "f.pdf"};
    SCOPED_TRACE(failure.Text());
    const QStringList lines = Lines(failure);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_NE(lines[1], QString::fromStdString(failure.Text()));
    EXPECT_NE(lines[1], QStringLiteral("La stampante non ha detto perché."));
  }
}

}  // namespace
}  // namespace orsalimbra::ui
