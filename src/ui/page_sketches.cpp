#include "ui/page_sketches.h"

#include <QPainter>
#include <QPen>
#include <algorithm>

namespace orsalimbra::ui {

namespace {

const QColor kPageOutline(110, 110, 110);
const QColor kGridLine(150, 150, 150);
const QColor kHeading(40, 40, 170);
const QColor kSunday(200, 30, 30);

QPixmap NewPixmap(QSize logicalSize, qreal ratio, const QColor& fill) {
  QPixmap pixmap(logicalSize * ratio);
  pixmap.setDevicePixelRatio(ratio);
  pixmap.fill(fill);
  return pixmap;
}

// A month in weeks: a heading bar, then 6 rows of 7 day cells.
void WeekGrid(QPainter& p, const QRectF& box) {
  const double headingHeight = box.height() * 0.18;
  p.fillRect(
      QRectF(box.left() + box.width() * 0.3, box.top(), box.width() * 0.4, headingHeight * 0.7),
      kHeading);
  const QRectF grid(box.left(), box.top() + headingHeight, box.width(),
                    box.height() - headingHeight);
  p.setPen(QPen(kGridLine, 0));
  p.setBrush(Qt::NoBrush);
  for (int row = 0; row <= 6; ++row) {
    const double y = grid.top() + grid.height() * row / 6;
    p.drawLine(QPointF(grid.left(), y), QPointF(grid.right(), y));
  }
  for (int column = 0; column <= 7; ++column) {
    const double x = grid.left() + grid.width() * column / 7;
    p.drawLine(QPointF(x, grid.top()), QPointF(x, grid.bottom()));
  }
  // Sundays in red, the last column.
  p.fillRect(QRectF(grid.left() + grid.width() * 6 / 7 + 0.5, grid.top() + 0.5,
                    grid.width() / 7 - 1, grid.height() - 1),
             QColor(kSunday.red(), kSunday.green(), kSunday.blue(), 70));
}

// A month in boxes: a heading bar, then 5 rows of 7 boxes with a figure in
// each corner, Saturdays grey and Sundays pink, a strip of week numbers on
// the left.
void BoxGrid(QPainter& p, const QRectF& box) {
  const double headingHeight = box.height() * 0.18;
  p.fillRect(
      QRectF(box.left() + box.width() * 0.3, box.top(), box.width() * 0.4, headingHeight * 0.7),
      kHeading);
  const double strip = box.width() * 0.07;
  const QRectF grid(box.left() + strip, box.top() + headingHeight, box.width() - strip,
                    box.height() - headingHeight);
  const double w = grid.width() / 7;
  const double h = grid.height() / 5;
  p.fillRect(QRectF(grid.left() + 5 * w, grid.top(), w, grid.height()), QColor(225, 225, 225));
  p.fillRect(QRectF(grid.left() + 6 * w, grid.top(), w, grid.height()), QColor(250, 205, 205));
  p.setPen(QPen(kPageOutline, 0));
  p.setBrush(Qt::NoBrush);
  for (int row = 0; row <= 5; ++row) {
    const double y = grid.top() + h * row;
    p.drawLine(QPointF(grid.left(), y), QPointF(grid.right(), y));
  }
  for (int column = 0; column <= 7; ++column) {
    const double x = grid.left() + w * column;
    p.drawLine(QPointF(x, grid.top()), QPointF(x, grid.bottom()));
  }
  const double mark = std::max(1.0, std::min(w, h) * 0.25);
  for (int row = 0; row < 5; ++row) {
    const double y = grid.top() + h * row + 1;
    p.fillRect(QRectF(box.left(), y, strip * 0.6, mark * 0.7), kGridLine);
    for (int column = 0; column < 7; ++column) {
      p.fillRect(QRectF(grid.left() + w * column + 1, y, mark, mark),
                 column == 6 ? kSunday : QColor(60, 60, 60));
    }
  }
}

// A month as a list: a heading bar, then one short line per day.
void DayList(QPainter& p, const QRectF& box) {
  const double headingHeight = box.height() * 0.14;
  p.fillRect(
      QRectF(box.left() + box.width() * 0.3, box.top(), box.width() * 0.4, headingHeight * 0.7),
      kHeading);
  const int days = 16;  // half a month in two columns
  const double rowHeight = (box.height() - headingHeight) / days;
  for (int column = 0; column < 2; ++column) {
    const double left = box.left() + column * box.width() / 2;
    for (int d = 0; d < days; ++d) {
      const double y = box.top() + headingHeight + rowHeight * (d + 0.5);
      p.setPen(QPen(d % 7 == 6 ? kSunday : kGridLine, 0));
      p.drawLine(QPointF(left + 1, y), QPointF(left + box.width() / 2 - 2, y));
    }
  }
}

}  // namespace

QPixmap DrawPageSketch(PageSketch sketch, QSize logicalSize, qreal devicePixelRatio) {
  QPixmap pixmap = NewPixmap(logicalSize, devicePixelRatio, Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  const QSizeF size(logicalSize);
  // A portrait page, centred, with a margin around it.
  const double pageHeight = size.height() * 0.88;
  const double pageWidth = std::min(size.width() * 0.86, pageHeight * 0.72);
  const QRectF page((size.width() - pageWidth) / 2, (size.height() - pageHeight) / 2, pageWidth,
                    pageHeight);
  p.setPen(QPen(kPageOutline, 1));
  p.setBrush(Qt::white);
  p.drawRect(page);
  const QRectF inner =
      page.adjusted(pageWidth * 0.08, pageHeight * 0.05, -pageWidth * 0.08, -pageHeight * 0.05);

  switch (sketch) {
    case PageSketch::Semester: {
      const double titleHeight = inner.height() * 0.1;
      p.fillRect(QRectF(inner.left() + inner.width() * 0.15, inner.top(), inner.width() * 0.7,
                        titleHeight * 0.7),
                 QColor(230, 170, 20));
      const double cellWidth = inner.width() / 2;
      const double cellHeight = (inner.height() - titleHeight) / 3;
      for (int i = 0; i < 6; ++i) {
        const QRectF cell(inner.left() + (i % 2) * cellWidth,
                          inner.top() + titleHeight + (i / 2) * cellHeight, cellWidth, cellHeight);
        WeekGrid(p, cell.adjusted(1.5, 1.5, -1.5, -1.5));
      }
      break;
    }
    case PageSketch::Weekly:
    case PageSketch::Boxed:
    case PageSketch::Daily: {
      const double half = inner.height() / 2;
      for (int i = 0; i < 2; ++i) {
        const QRectF block(inner.left(), inner.top() + i * half, inner.width(), half);
        if (sketch == PageSketch::Weekly) {
          WeekGrid(p, block.adjusted(0, 2, 0, -2));
        } else if (sketch == PageSketch::Boxed) {
          BoxGrid(p, block.adjusted(0, 2, 0, -2));
        } else {
          DayList(p, block.adjusted(0, 2, 0, -2));
        }
      }
      break;
    }
  }
  return pixmap;
}

QPixmap DrawNoCoverPicture(QSize logicalSize, qreal devicePixelRatio) {
  QPixmap pixmap = NewPixmap(logicalSize, devicePixelRatio, QColor::fromRgb(kNoCoverGround));
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  const QSizeF size(logicalSize);
  const double width = std::max(3.0, std::min(size.width(), size.height()) / 8);
  QPen pen(QColor::fromRgb(kNoCoverCross), width);
  pen.setCapStyle(Qt::RoundCap);
  p.setPen(pen);
  const double m = width;
  p.drawLine(QPointF(m, m), QPointF(size.width() - m, size.height() - m));
  p.drawLine(QPointF(size.width() - m, m), QPointF(m, size.height() - m));
  return pixmap;
}

}  // namespace orsalimbra::ui
