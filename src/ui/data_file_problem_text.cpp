#include "ui/data_file_problem_text.h"

#include <QDir>

namespace orsalimbra::ui {

QString DataFileProblemText(const QString& path, const session::DataFileStatus& status) {
  const QString name = QDir::toNativeSeparators(path);
  QString reason;
  switch (status.problem) {
    case session::DataFileProblem::None:
      return {};
    case session::DataFileProblem::Missing:
      reason = QStringLiteral("Il file dei dati \"%1\" non esiste.");
      break;
    case session::DataFileProblem::NotRegularFile:
      reason = QStringLiteral(
          "Il file dei dati \"%1\" non è un file normale (è una cartella, una periferica o "
          "simili).");
      break;
    case session::DataFileProblem::Unreadable:
      reason = QStringLiteral("Il file dei dati \"%1\" non si può leggere.");
      break;
    case session::DataFileProblem::TooLarge:
      reason = QStringLiteral(
                   "Il file dei dati \"%1\" è più grande di %2 MB: non può essere un "
                   "file dei dati.")
                   .arg(name, QString::number(session::kMaxDataFileBytes / (1024 * 1024)));
      break;
  }
  if (status.problem != session::DataFileProblem::TooLarge) reason = reason.arg(name);
  return reason +
         QStringLiteral("\nNomi, titoli e feste del calendario non sono stati aggiornati.");
}

QString DataFileProblemText(const session::DataFileInUse& data,
                            const session::DataFileStatus& status) {
  QString text = ui::DataFileProblemText(data.place.dataFile, status);
  if (text.isEmpty() || !data.userCopy) return text;
  return text + QStringLiteral(
                    "\nÈ la tua copia del file dei dati: il file installato con il programma non "
                    "viene letto al suo posto. Per tornare a quello, usa «Ripristina il file "
                    "originale» nella Configurazione avanzata (dal pulsante «Imposta immagini e "
                    "note»), oppure togli la copia dalla sua cartella.");
}

}  // namespace orsalimbra::ui
