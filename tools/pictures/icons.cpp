// 16 x 16 menu icons on a transparent ground. Lines sit on half pixels so that 1 px strokes
// stay crisp; curves and diagonals are antialiased.
#include "common.h"

#include <QDir>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <functional>

namespace pics {
namespace {

const QColor kLine(92, 84, 64);
const QColor kPage(255, 255, 255);
const QColor kPageShade(238, 233, 218);
const QColor kText(176, 168, 146);
const QColor kOchreDark(201, 160, 66);
const QColor kGreen(84, 142, 86);
const QColor kGreenLight(214, 232, 204);

void pen(QPainter &p, const QColor &c, double width = 1.0) {
  p.setPen(QPen(c, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

// A sheet of paper with a folded top-right corner.
void page(QPainter &p, double l, double t, double r, double b, double fold) {
  QPainterPath sheet;
  sheet.moveTo(l, t);
  sheet.lineTo(r - fold, t);
  sheet.lineTo(r, t + fold);
  sheet.lineTo(r, b);
  sheet.lineTo(l, b);
  sheet.closeSubpath();
  QLinearGradient g(l, t, r, b);
  g.setColorAt(0, kPage);
  g.setColorAt(1, kPageShade);
  pen(p, kLine);
  p.setBrush(g);
  p.drawPath(sheet);
  if (fold > 0) {
    QPainterPath corner;
    corner.moveTo(r - fold, t);
    corner.lineTo(r - fold, t + fold);
    corner.lineTo(r, t + fold);
    p.setBrush(kPageShade);
    p.drawPath(corner);
  }
}

void textLines(QPainter &p, double l, double r, double top, int count, double step = 2.0) {
  p.setPen(QPen(kText, 1));
  for (int i = 0; i < count; ++i) p.drawLine(QPointF(l, top + i * step), QPointF(r - (i % 3 == 2 ? 2 : 0), top + i * step));
}

void iconOpen(QPainter &p) {
  // Back of the folder with its tab.
  QPainterPath back;
  back.moveTo(1.5, 13.5);
  back.lineTo(1.5, 2.5);
  back.lineTo(5.5, 2.5);
  back.lineTo(7.0, 4.5);
  back.lineTo(12.5, 4.5);
  back.lineTo(12.5, 13.5);
  back.closeSubpath();
  pen(p, kLine);
  p.setBrush(kOchreDark);
  p.drawPath(back);
  // A sheet peeking out.
  p.setBrush(kPage);
  p.drawRect(QRectF(3.5, 5.5, 7, 4));
  // The open front flap.
  QPainterPath front;
  front.moveTo(1.5, 13.5);
  front.lineTo(4.0, 7.5);
  front.lineTo(15.5, 7.5);
  front.lineTo(12.5, 13.5);
  front.closeSubpath();
  QLinearGradient g(0, 7.5, 0, 13.5);
  g.setColorAt(0, QColor(250, 222, 140));
  g.setColorAt(1, kFace);
  p.setBrush(g);
  p.drawPath(front);
}

void iconNew(QPainter &p) {
  page(p, 2.5, 1.5, 11.5, 14.5, 3);
  // A plus badge: something new.
  p.setBrush(kGreen);
  pen(p, QColor(58, 104, 60));
  p.drawEllipse(QPointF(11.5, 11.5), 3.6, 3.6);
  p.setRenderHint(QPainter::Antialiasing, false);
  p.fillRect(QRect(9, 11, 5, 1), Qt::white);
  p.fillRect(QRect(11, 9, 1, 5), Qt::white);
  p.setRenderHint(QPainter::Antialiasing, true);
}

void iconEdit(QPainter &p) {
  // The line being written.
  p.setPen(QPen(kText, 1));
  p.drawLine(QPointF(1, 14.5), QPointF(15, 14.5));
  p.save();
  p.translate(8.2, 7.6);
  p.rotate(-45);
  pen(p, kLine);
  // Body, ferrule, eraser, wooden tip and lead, from the back to the point.
  p.setBrush(kFace);
  p.drawRect(QRectF(-4.5, -2.2, 8.5, 4.4));
  p.setBrush(QColor(196, 192, 180));
  p.drawRect(QRectF(-6.2, -2.2, 1.7, 4.4));
  p.setBrush(QColor(214, 138, 124));
  QPainterPath eraser;
  eraser.moveTo(-6.2, -2.2);
  eraser.lineTo(-7.6, -2.2);
  eraser.quadTo(-8.4, 0, -7.6, 2.2);
  eraser.lineTo(-6.2, 2.2);
  eraser.closeSubpath();
  p.drawPath(eraser);
  QPainterPath tip;
  tip.moveTo(4.0, -2.2);
  tip.lineTo(8.2, 0);
  tip.lineTo(4.0, 2.2);
  tip.closeSubpath();
  p.setBrush(QColor(242, 222, 182));
  p.drawPath(tip);
  QPainterPath lead;
  lead.moveTo(6.6, -0.85);
  lead.lineTo(8.2, 0);
  lead.lineTo(6.6, 0.85);
  lead.closeSubpath();
  p.setPen(Qt::NoPen);
  p.setBrush(kInk);
  p.drawPath(lead);
  // A highlight along the body.
  p.setPen(QPen(QColor(255, 236, 180), 0.9));
  p.drawLine(QPointF(-4.0, -1.0), QPointF(3.6, -1.0));
  p.restore();
}

void iconTutorial(QPainter &p) {
  // An open book: cover first, then the two pages meeting at the spine.
  pen(p, kLine);
  p.setBrush(kYearBand);
  QPainterPath cover;
  cover.moveTo(0.5, 4.0);
  cover.lineTo(0.5, 13.5);
  cover.lineTo(7.0, 13.5);
  cover.quadTo(8.0, 14.8, 9.0, 13.5);
  cover.lineTo(15.5, 13.5);
  cover.lineTo(15.5, 4.0);
  cover.closeSubpath();
  p.drawPath(cover);
  QPainterPath left;
  left.moveTo(8.0, 4.0);
  left.quadTo(5.0, 2.0, 1.5, 2.8);
  left.lineTo(1.5, 12.2);
  left.quadTo(5.0, 11.4, 8.0, 13.2);
  left.closeSubpath();
  QPainterPath right;
  right.moveTo(8.0, 4.0);
  right.quadTo(11.0, 2.0, 14.5, 2.8);
  right.lineTo(14.5, 12.2);
  right.quadTo(11.0, 11.4, 8.0, 13.2);
  right.closeSubpath();
  p.setBrush(kPage);
  p.drawPath(left);
  p.setBrush(kPageShade);
  p.drawPath(right);
  // A few lines of text on each page.
  p.setPen(QPen(kText, 0.9));
  for (int i = 0; i < 3; ++i) {
    const double y = 5.6 + i * 2.1;
    p.drawLine(QPointF(3.2, y - 0.2), QPointF(6.6, y + 0.4));
    p.drawLine(QPointF(9.4, y + 0.4), QPointF(12.8, y - 0.2));
  }
}

void iconPrinter(QPainter &p) {
  pen(p, kLine);
  // Paper going in at the back.
  p.setBrush(kPage);
  p.drawRect(QRectF(4.5, 1.5, 7, 5));
  // The body.
  QLinearGradient g(0, 6, 0, 12);
  g.setColorAt(0, QColor(222, 215, 196));
  g.setColorAt(1, QColor(186, 177, 154));
  p.setBrush(g);
  p.drawRoundedRect(QRectF(1.5, 5.5, 13, 6.5), 1.5, 1.5);
  // The printed sheet coming out.
  p.setBrush(kPage);
  p.drawRect(QRectF(4.5, 9.5, 7, 5));
  p.setPen(QPen(kText, 1));
  p.drawLine(QPointF(6, 11.5), QPointF(10, 11.5));
  p.drawLine(QPointF(6, 13.0), QPointF(9, 13.0));
  // Status light.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(110, 170, 90));
  p.drawEllipse(QPointF(12.3, 7.6), 0.9, 0.9);
}

void iconPageSetup(QPainter &p) {
  page(p, 1.5, 1.5, 12.5, 14.5, 0);
  // Dashed margins around a few lines of text.
  QPen dashed(kYearBand, 1, Qt::CustomDashLine);
  dashed.setDashPattern({1.0, 1.0});
  p.setPen(dashed);
  p.setBrush(Qt::NoBrush);
  p.setRenderHint(QPainter::Antialiasing, false);
  p.drawRect(QRect(3, 3, 7, 9));
  p.setRenderHint(QPainter::Antialiasing, true);
  textLines(p, 4.5, 8.5, 5.5, 3);
  // A set square over the corner: the page is being set up.
  QPainterPath square;
  square.moveTo(7.0, 15.0);
  square.lineTo(15.0, 15.0);
  square.lineTo(15.0, 7.0);
  square.closeSubpath();
  pen(p, kLine);
  p.setBrush(kFace);
  p.drawPath(square);
  // Its scale marks.
  p.setPen(QPen(kLine, 0.8));
  for (double x : {10.5, 12.5}) p.drawLine(QPointF(x, 15.0), QPointF(x, 13.8));
}

void iconPreview(QPainter &p) {
  page(p, 1.5, 1.5, 11.5, 14.5, 3);
  textLines(p, 3.5, 8.5, 4.5, 5);
  // Magnifier over the page.
  QColor glass(188, 214, 234);
  glass.setAlpha(200);
  p.setBrush(glass);
  pen(p, kLine, 1.3);
  p.drawEllipse(QPointF(9.8, 9.2), 3.3, 3.3);
  pen(p, kLine, 2.4);
  p.drawLine(QPointF(12.3, 11.8), QPointF(14.8, 14.5));
  p.setPen(QPen(QColor(255, 255, 255, 200), 0.9));
  p.drawArc(QRectF(7.7, 7.1, 3.2, 3.2), 100 * 16, 80 * 16);
}

void iconExcel(QPainter &p) {
  // A sheet with a tinted header row and first column, ruled into cells.
  p.setRenderHint(QPainter::Antialiasing, false);
  const QRect r(1, 2, 14, 12);
  p.fillRect(r, kPage);
  p.fillRect(QRect(1, 2, 14, 3), kGreen);
  p.fillRect(QRect(1, 5, 3, 9), kGreenLight);
  const QColor grid(150, 176, 140);
  for (int y : {7, 10}) p.fillRect(QRect(2, y, 13, 1), grid);
  for (int x : {4, 8, 11}) p.fillRect(QRect(x, 5, 1, 9), grid);
  for (int x : {4, 8, 11}) p.fillRect(QRect(x, 2, 1, 3), QColor(124, 176, 118));
  p.setPen(QPen(QColor(58, 104, 60), 1));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRect(1, 2, 13, 11));
  p.setRenderHint(QPainter::Antialiasing, true);
}

void iconFeedback(QPainter &p) {
  QLinearGradient g(0, 3, 0, 13);
  g.setColorAt(0, QColor(255, 251, 238));
  g.setColorAt(1, QColor(240, 230, 204));
  pen(p, kLine);
  p.setBrush(g);
  p.drawRect(QRectF(1.5, 3.5, 13, 9));
  // The lower folds, faint, and the flap on top.
  p.setPen(QPen(QColor(180, 170, 144), 1));
  p.drawLine(QPointF(2.0, 12.0), QPointF(6.4, 8.0));
  p.drawLine(QPointF(14.0, 12.0), QPointF(9.6, 8.0));
  QPainterPath flap;
  flap.moveTo(1.5, 3.5);
  flap.lineTo(8.0, 9.0);
  flap.lineTo(14.5, 3.5);
  pen(p, kLine);
  p.setBrush(QColor(250, 240, 214));
  p.drawPath(flap);
}

}  // namespace

bool writeIcons(const QString &dir) {
  QDir().mkpath(dir);
  const QList<std::pair<QString, std::function<void(QPainter &)>>> icons{
      {"icon_open", iconOpen},           {"icon_new", iconNew},
      {"icon_edit", iconEdit},           {"icon_tutorial", iconTutorial},
      {"icon_printer", iconPrinter},     {"icon_pagesetup", iconPageSetup},
      {"icon_preview", iconPreview},     {"icon_excel", iconExcel},
      {"icon_feedback", iconFeedback},
  };
  bool ok = true;
  for (const auto &[name, draw] : icons) {
    QImage img(16, 16, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    draw(p);
    p.end();
    ok = img.convertToFormat(QImage::Format_ARGB32).save(dir + "/" + name + ".png", "PNG") && ok;
  }
  return ok;
}

}  // namespace pics
