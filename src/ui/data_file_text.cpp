#include "ui/data_file_text.h"

#include <QStringList>

#include "core/win1252.h"

namespace orsalimbra::ui {

namespace {

// A long paste of foreign text would otherwise give a message taller than
// the screen.
constexpr std::size_t kListedProblems = 15;

QString Describe(const core::EncodeProblem& problem) {
  const char32_t code = problem.character;
  // Invisible characters are named by their code alone.
  const QString shown = QString::fromUcs4(&code, 1);
  const bool visible = shown.at(0).isPrint() && !shown.at(0).isSpace();
  const QString name =
      QStringLiteral("U+%1").arg(static_cast<uint>(code), 4, 16, QChar(u'0')).toUpper();
  return QStringLiteral("%1%2 alla riga %3, colonna %4")
      .arg(visible ? QStringLiteral("\u00AB%1\u00BB ").arg(shown) : QString(),
           visible ? QStringLiteral("(%1)").arg(name) : name)
      .arg(problem.line)
      .arg(problem.column);
}

}  // namespace

QString DecodeDataFile(const QByteArray& bytes) {
  return QString::fromStdString(core::DecodeWin1252(
      std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()))));
}

EncodedDataFile EncodeDataFile(const QString& text) {
  const QByteArray utf8 = text.toUtf8();
  const core::EncodeResult result = core::EncodeWin1252(
      std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
  EncodedDataFile encoded;
  if (result.ok()) {
    encoded.bytes = QByteArray(result.bytes.data(), static_cast<qsizetype>(result.bytes.size()));
    return encoded;
  }
  QStringList lines;
  for (std::size_t i = 0; i < result.problems.size() && i < kListedProblems; ++i) {
    lines.append(QStringLiteral("  ") + Describe(result.problems[i]));
  }
  if (result.problems.size() > kListedProblems) {
    lines.append(QStringLiteral("  e altri %1").arg(result.problems.size() - kListedProblems));
  }
  encoded.problems =
      QStringLiteral(
          "Le modifiche non sono state salvate: il file dei dati è scritto nella codifica "
          "Windows-1252, che non contiene questi caratteri:\n\n%1\n\nSostituiscili o "
          "eliminali, poi salva di nuovo.")
          .arg(lines.join(u'\n'));
  return encoded;
}

QString UnevenRowsText(const core::RowWidthCheck& check) {
  QStringList lines;
  for (std::size_t i = 0; i < check.uneven.size() && i < kListedProblems; ++i) {
    const core::RowWidth& row = check.uneven[i];
    const QString where =
        row.key.empty()
            ? QStringLiteral("<%1>").arg(QString::fromStdString(row.section))
            : QStringLiteral("<%1> [%2]")
                  .arg(QString::fromStdString(row.section), QString::fromStdString(row.key));
    // One arg() call: a key the user typed may itself hold "%2".
    lines.append(QStringLiteral("  riga %1, %2: %3 %4")
                     .arg(QString::number(row.line), where, QString::number(row.items),
                          row.items == 1 ? QStringLiteral("voce") : QStringLiteral("voci")));
  }
  if (check.uneven.size() > kListedProblems) {
    lines.append(QStringLiteral("  e altre %1 righe").arg(check.uneven.size() - kListedProblems));
  }
  return QStringLiteral(
             "L'elenco ha %1 voci, ma queste righe ne hanno un numero diverso:\n\n%2\n\n"
             "Ogni voce va alla colonna del suo paese o della sua lingua, nell'ordine "
             "dell'elenco: una parola in più o in meno sposta tutte le voci seguenti della "
             "riga. Un testo con spazi va scritto fra virgolette, per esempio \"Festa della "
             "Repubblica\"; una voce vuota è \"\" e una festa che un paese non ha è -.\n\n"
             "Torna al testo per correggere, oppure salva comunque.")
      .arg(QString::number(check.entries), lines.join(u'\n'));
}

}  // namespace orsalimbra::ui
