#include "ui/layout_choice.h"

#include "core/year_model.h"

namespace orsalimbra::ui {

QString LayoutToolTip(core::LayoutCode layoutType) {
  switch (layoutType) {
    case core::LayoutCode::Semester:
      return QStringLiteral(
          " Un semestre per facciata, con visibilità del mese precedente e successivo ");
    case core::LayoutCode::Weekly:
      return QStringLiteral(" Un mese per facciata, formato settimanale ");
    case core::LayoutCode::Daily:
      return QStringLiteral(" Un mese per facciata, formato giornaliero ");
    default:
      return {};
  }
}

std::optional<LayoutView> LayoutViewFor(core::LayoutCode layoutType, bool noMonthPhotos) {
  const QString sides = !noMonthPhotos ? QStringLiteral("Un mese per facciata")
                                       : QStringLiteral("Due mesi per facciata");
  switch (layoutType) {
    case core::LayoutCode::Semester:
      return LayoutView{0, QStringLiteral("Un semestre per facciata"), false};
    case core::LayoutCode::Weekly:
      return LayoutView{1, sides + QStringLiteral(", formato settimanale"), true};
    case core::LayoutCode::Daily:
      return LayoutView{2, sides + QStringLiteral(", formato giornaliero"), true};
    default:
      return std::nullopt;
  }
}

render::CoverCode NextCoverStyle(render::CoverCode coverStyle, bool hasCoverPhoto) {
  // A stored style far above the range wraps to 0 like 5 does, without overflow.
  const int style = static_cast<int>(coverStyle);
  int next = style < 4 ? style + 1 : 5;
  if (next > 3 && !hasCoverPhoto) next = 0;
  if (next > 4) next = 0;
  return static_cast<render::CoverCode>(next);
}

}  // namespace orsalimbra::ui
