#include "ui/data_file_place_text.h"

#include <QDir>

namespace orsalimbra::ui {

namespace {

QString Native(const QString& path) { return QDir::toNativeSeparators(path); }

}  // namespace

QString DataFileLocationText(const session::ProgramFiles& files,
                             const session::DataFileInUse& inForce,
                             const session::DataFileInUse& savePlace) {
  const QString shown = Native(inForce.place.dataFile);
  if (inForce.userCopy) {
    return QStringLiteral(
               "File dei dati: %1, la tua copia (quello installato con il programma è "
               "%2).")
        .arg(shown, Native(files.dataFile));
  }
  if (savePlace.userCopy) {
    return QStringLiteral(
               "File dei dati: %1, installato con il programma. La sua cartella non è "
               "modificabile: salvando, le modifiche vanno in una tua copia, %2.")
        .arg(shown, Native(savePlace.place.dataFile));
  }
  return QStringLiteral("File dei dati: %1").arg(shown);
}

QString UserCopyCreatedText(const session::ProgramFiles& files,
                            const session::DataFilePlace& user) {
  return QStringLiteral(
             "La cartella del programma %1 non è modificabile, perciò le modifiche sono "
             "state salvate in una tua copia del file dei dati:\n%2\n\nD'ora in poi "
             "Orsalimbra legge questa copia. Il file installato con il programma resta "
             "com'era: per tornarci, usa «Ripristina il file originale» nella "
             "Configurazione avanzata.")
      .arg(Native(files.folder), Native(user.dataFile));
}

QString ResetQuestionText(const session::ProgramFiles& files, const session::DataFilePlace& user,
                          bool rollBackReachesIt) {
  return QStringLiteral(
             "Tornare al file dei dati installato con il programma?\n%1\n\nLa tua copia "
             "non viene cancellata: diventa la versione precedente, %2%3. Il testo "
             "mostrato ora viene sostituito da quello del file installato.")
      .arg(Native(files.dataFile), Native(user.backupFile),
           rollBackReachesIt
               ? QStringLiteral(", che il pulsante «Versione precedente» riporta nell'editor")
               : QString());
}

}  // namespace orsalimbra::ui
