#include "ui/print_failure_text.h"

#include <QRegularExpression>
#include <array>

namespace orsalimbra::ui {

namespace {

struct Phrase {
  const char* report;  // a pattern of the drawing surface's reports; \1 is the name
  const char* italian;
};

// The reports of the drawing surface and of the print jobs.
constexpr std::array<Phrase, 10> kPhrases{{
    {R"re(Cannot write the file "(.*)"(: .*)?)re", "Non si può scrivere il file \"%1\"."},
    {R"re(The file "(.*)" was not written)re", "Il file \"%1\" non è stato scritto."},
    {R"re(The printer "(.*)" cannot start printing)re",
     "La stampante \"%1\" non può cominciare a stampare."},
    {R"re(The printer refused a new page)re", "La stampante ha rifiutato una nuova pagina."},
    {R"re(The printer reported an error)re", "La stampante ha segnalato un errore."},
    {R"re(The document could not be completed)re", "Il documento non è stato completato."},
    {R"re(The document was abandoned)re", "Il documento è stato abbandonato."},
    {R"re(The device is not open for drawing)re", "La stampante non è pronta."},
    {R"re(No printer is available)re", "Non c'è nessuna stampante."},
    {R"re(The printer stopped the document)re", "La stampante ha interrotto il documento."},
}};

}  // namespace

QString PrintFailureText(const std::string& deviceReport) {
  const QString report = QString::fromStdString(deviceReport);
  QString reason = report;
  for (const Phrase& phrase : kPhrases) {
    const QRegularExpression pattern(QStringLiteral("^%1$").arg(QString::fromUtf8(phrase.report)));
    const QRegularExpressionMatch match = pattern.match(report);
    if (!match.hasMatch()) continue;
    reason = QString::fromUtf8(phrase.italian);
    if (reason.contains(QLatin1String("%1"))) reason = reason.arg(match.captured(1));
    break;
  }
  if (reason.isEmpty()) reason = QStringLiteral("La stampante non ha detto perché.");
  return QStringLiteral("La stampa si è interrotta e il documento è stato annullato.\n") + reason;
}

}  // namespace orsalimbra::ui
