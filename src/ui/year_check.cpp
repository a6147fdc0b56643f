#include "ui/year_check.h"

#include "core/year_model.h"

namespace orsalimbra::ui {

namespace {

// A pasted paragraph is not repeated whole in a tool tip.
constexpr qsizetype kShownCharacters = 16;

QString Shown(const QString& text) {
  if (text.size() <= kShownCharacters) return text;
  return text.first(kShownCharacters - 1) + QChar(0x2026);
}

}  // namespace

YearVerdict CheckTypedYear(const QString& text, int yearInForce) {
  if (const std::optional<int> year = core::YearOfText(text.toStdString())) return {*year, {}};
  const QString range =
      QStringLiteral("Scrivi un anno da %1 a %2.").arg(kFirstTypedYear).arg(kLastTypedYear);
  const QString stays = QStringLiteral("resta il %1").arg(yearInForce);
  const QString typed = text.trimmed();
  if (typed.isEmpty())
    return {std::nullopt, QStringLiteral("Nessun anno: %1. %2").arg(stays, range)};
  bool digitsOnly = true;
  for (const QChar c : typed) digitsOnly = digitsOnly && c >= u'0' && c <= u'9';
  if (!digitsOnly) {
    return {std::nullopt, QStringLiteral("\u00AB%1\u00BB non è un anno: %2. %3 Solo cifre.")
                              .arg(Shown(typed), stays, range)};
  }
  return {
      std::nullopt,
      QStringLiteral("%1 è fuori dagli anni calcolati: %2. %3").arg(Shown(typed), stays, range)};
}

QString YearBoxToolTip() {
  return QStringLiteral(
             "Anno del calendario, da %1 a %2. Frecce su e giù: un anno; Pag su e Pag giù: "
             "dieci anni.")
      .arg(kFirstTypedYear)
      .arg(kLastTypedYear);
}

}  // namespace orsalimbra::ui
