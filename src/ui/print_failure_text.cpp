#include "ui/print_failure_text.h"

namespace orsalimbra::ui {

namespace {

using Kind = render::DeviceFailure::Kind;

// The reason on its own line; the system's words (English, or the system's
// language) are left to the command line and logs.
QString Reason(const render::DeviceFailure& failure) {
  const QString subject = QString::fromStdString(failure.subject);
  switch (failure.kind) {
    case Kind::None:
      return QStringLiteral("La stampante non ha detto perché.");
    case Kind::CannotWriteFile:
      return QStringLiteral("Non si può scrivere il file \"%1\".").arg(subject);
    case Kind::FileNotWritten:
      return QStringLiteral("Il file \"%1\" non è stato scritto.").arg(subject);
    case Kind::OutputNotAFile:
      return QStringLiteral(
                 "\"%1\" non è un file normale (è una cartella, una periferica o "
                 "simili) ed è stato lasciato com'era.")
          .arg(subject);
    case Kind::FileWriteFailed:
      return QStringLiteral(
                 "Non si è potuto scrivere tutto il file \"%1\" (il disco potrebbe "
                 "essere pieno); un file già presente con quel nome è rimasto com'era.")
          .arg(subject);
    case Kind::CannotStartPrinter:
      return QStringLiteral("La stampante \"%1\" non può cominciare a stampare.").arg(subject);
    case Kind::PageRefused:
      return QStringLiteral("La stampante ha rifiutato una nuova pagina.");
    case Kind::PrinterError:
      return QStringLiteral("La stampante ha segnalato un errore.");
    case Kind::DocumentIncomplete:
      return QStringLiteral("Il documento non è stato completato.");
    case Kind::DocumentAbandoned:
      return QStringLiteral("Il documento è stato abbandonato.");
    case Kind::NotOpen:
    case Kind::PageAfterEnd:
      return QStringLiteral("La stampante non è pronta.");
    case Kind::PictureNotDrawable:
      return QStringLiteral("Non si può disegnare sull'immagine.");
    case Kind::PreviewNotDrawable:
      return QStringLiteral("Non si può disegnare sull'anteprima.");
    case Kind::NoPrinter:
      return QStringLiteral("Non c'è nessuna stampante.");
    case Kind::Stopped:
      return QStringLiteral("La stampante ha interrotto il documento.");
    case Kind::PageTooSmall:
      return QStringLiteral(
                 "Le pagine di questo formato non entrano nell'area stampabile del foglio "
                 "(%1): scegliere un foglio più grande.")
          .arg(subject);
  }
  return QStringLiteral("La stampante non ha detto perché.");
}

}  // namespace

QString PrintFailureText(const render::DeviceFailure& failure) {
  // Paper too small for the pages is found before anything is printed.
  if (failure.kind == Kind::PageTooSmall) {
    return QStringLiteral("Non è stato stampato niente.\n") + Reason(failure);
  }
  return QStringLiteral("La stampa si è interrotta e il documento è stato annullato.\n") +
         Reason(failure);
}

}  // namespace orsalimbra::ui
