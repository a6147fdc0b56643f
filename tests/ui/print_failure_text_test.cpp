// The message of a failed print job says, in Italian, what failed.
#include "ui/print_failure_text.h"

#include <gtest/gtest.h>

#include <QStringList>

namespace orsalimbra::ui {
namespace {

TEST(PrintFailureText, NamesWhatFailed) {
  struct Row {
    std::string report;
    QString reason;
  };
  const Row rows[] = {
      {R"(Cannot write the file "/carta/anno.pdf")",
       QStringLiteral("Non si può scrivere il file \"/carta/anno.pdf\".")},
      {R"(Cannot write the file "/x/y.pdf": No such file or directory)",
       QStringLiteral("Non si può scrivere il file \"/x/y.pdf\".")},
      {R"(The file "/tmp/a.pdf" was not written)",
       QStringLiteral("Il file \"/tmp/a.pdf\" non è stato scritto.")},
      {R"(The printer "Ufficio" cannot start printing)",
       QStringLiteral("La stampante \"Ufficio\" non può cominciare a stampare.")},
      {"The printer refused a new page",
       QStringLiteral("La stampante ha rifiutato una nuova pagina.")},
      // A report of another kind is passed on as it is.
      {"toner low", QStringLiteral("toner low")},
      {"", QStringLiteral("La stampante non ha detto perché.")},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.report);
    const QStringList lines = PrintFailureText(row.report).split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0],
              QStringLiteral("La stampa si è interrotta e il documento è stato annullato."));
    EXPECT_EQ(lines[1], row.reason);
  }
}

}  // namespace
}  // namespace orsalimbra::ui
