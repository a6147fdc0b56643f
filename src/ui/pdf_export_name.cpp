#include "ui/pdf_export_name.h"

#include "render/page_title.h"

namespace orsalimbra::ui {

namespace {

QString FileNameSafe(QString name) {
  for (QChar& c : name) {
    if (c.unicode() < 0x20 || QStringLiteral("/\\:*?\"<>|").contains(c)) c = QLatin1Char('-');
  }
  return name.trimmed();
}

QString MonthPart(const core::YearModel& year, int index) {
  // A month the data file does not name goes by its number.
  const auto name = [&](int month) {
    const QString page =
        QString::fromStdString(year.PageName[static_cast<std::size_t>(month)]).trimmed();
    return page.isEmpty() ? QStringLiteral("%1").arg(month, 2, 10, QLatin1Char('0')) : page;
  };
  const int month = index + 1;
  if (!year.NoMonthPhotos) return name(month);
  // The sheet of two months that holds the button's month.
  const int odd = (month - 1) / 2 * 2 + 1;
  return name(odd) + QLatin1Char('-') + name(odd + 1);
}

}  // namespace

QString ProposedPdfName(const core::YearModel& year, const std::string& yearText,
                        const render::PrintRequest& request) {
  const int y = core::YearOfText(yearText).value_or(year.CalendarYear);
  QString name =
      QString::fromStdString(render::ComposeCalendarTitle(year.CurrentTitle, std::to_string(y)));
  switch (request.command) {
    case render::PrintCommand::All:
      break;
    case render::PrintCommand::Month:
      if (request.month >= 0 && request.month <= 11) {
        name += QStringLiteral(" - ") + MonthPart(year, request.month);
      }
      break;
    case render::PrintCommand::HalfYear:
      switch (request.half) {
        case render::HalfYear::CoverOnly:
          name += QStringLiteral(" - copertina");
          break;
        case render::HalfYear::First:
          name += QStringLiteral(" - primo semestre");
          break;
        case render::HalfYear::Second:
          name += QStringLiteral(" - secondo semestre");
          break;
      }
      break;
  }
  name = FileNameSafe(name);
  if (name.isEmpty()) name = QStringLiteral("Calendario");
  return name + QStringLiteral(".pdf");
}

}  // namespace orsalimbra::ui
