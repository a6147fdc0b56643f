#include "ui/layout_choice.h"

#include "core/year_model.h"

namespace orsalimbra::ui {

QString LayoutToolTip(int layoutType) {
  switch (layoutType) {
    case core::kLayoutSemester:
      return QStringLiteral(
          " Un semestre per facciata, con visibilità del mese precedente e successivo ");
    case core::kLayoutWeekly:
      return QStringLiteral(" Un mese per facciata, formato settimanale ");
    case core::kLayoutDaily:
      return QStringLiteral(" Un mese per facciata, formato giornaliero ");
    default:
      return {};
  }
}

std::optional<LayoutView> LayoutViewFor(int layoutType, int noMonthPhotos) {
  const QString sides = noMonthPhotos == 0 ? QStringLiteral("Un mese per facciata")
                                           : QStringLiteral("Due mesi per facciata");
  switch (layoutType) {
    case core::kLayoutSemester:
      return LayoutView{0, QStringLiteral("Un semestre per facciata"), false};
    case core::kLayoutWeekly:
      return LayoutView{1, sides + QStringLiteral(", formato settimanale"), true};
    case core::kLayoutDaily:
      return LayoutView{2, sides + QStringLiteral(", formato giornaliero"), true};
    default:
      return std::nullopt;
  }
}

int NextCoverStyle(int coverStyle, bool hasCoverPhoto) {
  // A stored style far above the range wraps to 0 like 5 does, without overflow.
  int next = coverStyle < 4 ? coverStyle + 1 : 5;
  if (next > 3 && !hasCoverPhoto) next = 0;
  if (next > 4) next = 0;
  return next;
}

}  // namespace orsalimbra::ui
