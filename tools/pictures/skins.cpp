// Window skins: a rounded cream panel on the key colour. The content is painted with
// antialiasing, then cut by a per-pixel rounded-rectangle test whose outer edge is hard, so no
// blend of the key colour can appear at the rim.
#include "common.h"

#include <QDir>
#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace pics {
namespace {

const QColor kPaper(255, 255, 255);
const QColor kBodyLow(243, 238, 223);
const QColor kFooter(242, 236, 220);
const QColor kHairline(222, 213, 189);
const QColor kLightLine(255, 253, 246);

struct MainLayout {
  QString name;
  int w, h, radius, header;
  double scale;
  QRect viewer;
  QRect imageButtons;
  int footerTop;
};

struct DialogLayout {
  QString name;
  int w, h, radius, header;
  QRect help;  // empty when the dialog has no help pane
  bool about;
};

// Length of the pixel interval [d - 0.5, d + 0.5] that falls inside [a, b].
double overlap(double d, double a, double b) {
  return std::max(0.0, std::min(d + 0.5, b) - std::max(d - 0.5, a));
}

QImage composeSkin(const QImage &content, int radius) {
  const int w = content.width(), h = content.height();
  QImage out(w, h, QImage::Format_RGB32);
  for (int y = 0; y < h; ++y) {
    QRgb *dst = reinterpret_cast<QRgb *>(out.scanLine(y));
    for (int x = 0; x < w; ++x) {
      const double d = roundedRectDistance(x + 0.5, y + 0.5, w, h, radius);
      if (d > 0) {
        dst[x] = kKey;
        continue;
      }
      const double depth = -d;
      QColor c = content.pixelColor(x, y);
      // From the inside out: a light bevel line, the 2 px border, a darker outermost rim.
      c = mix(c, kLightLine, 0.7 * overlap(depth, 3, 4));
      c = mix(c, kBorder, overlap(depth, 1, 3));
      c = mix(c, kShadow, overlap(depth, -1, 1));
      dst[x] = c.rgb();
    }
  }
  return out;
}

void fillRow(QPainter &p, int x, int y, int w, const QColor &c) { p.fillRect(QRect(x, y, w, 1), c); }
void fillCol(QPainter &p, int x, int y, int h, const QColor &c) { p.fillRect(QRect(x, y, 1, h), c); }

// Two-pixel sunken frame just outside r, with r itself white (the control covers it anyway).
void sunkenFrame(QPainter &p, const QRect &r) {
  p.fillRect(r, kPaper);
  const QRect a = r.adjusted(-1, -1, 1, 1), b = r.adjusted(-2, -2, 2, 2);
  fillRow(p, b.left(), b.bottom(), b.width(), kLightLine);
  fillCol(p, b.right(), b.top(), b.height(), kLightLine);
  fillRow(p, b.left(), b.top(), b.width(), QColor(214, 205, 181));
  fillCol(p, b.left(), b.top(), b.height(), QColor(214, 205, 181));
  fillRow(p, a.left(), a.bottom(), a.width(), QColor(232, 226, 208));
  fillCol(p, a.right(), a.top(), a.height(), QColor(232, 226, 208));
  fillRow(p, a.left(), a.top(), a.width(), kHighlight);
  fillCol(p, a.left(), a.top(), a.height(), kHighlight);
}

void drawBody(QPainter &p, int w, int h, int from) {
  QLinearGradient g(0, from, 0, h);
  g.setColorAt(0, kBody);
  g.setColorAt(1, kBodyLow);
  p.fillRect(QRect(0, from, w, h - from), g);
}

// Header band with an olive rule at its foot, echoing the chart's year band.
void drawHeader(QPainter &p, int w, int header) {
  for (int y = 0; y < header; ++y) fillRow(p, 0, y, w, headerColour(y, header));
  fillRow(p, 0, header - 2, w, mix(headerColour(header - 2, header), kYearBand, 0.35));
  fillRow(p, 0, header - 1, w, mix(kYearBand, headerColour(header - 1, header), 0.25));
  fillRow(p, 0, header, w, kLightLine);
}

// Year ticks along the foot of a header, like the scale of a time line.
void drawTicks(QPainter &p, int x0, int x1, int bottom, int step, int small, int tall) {
  QColor c = kYearBand;
  c.setAlpha(110);
  for (int i = 0, x = x0; x <= x1; ++i, x += step) {
    const int len = (i % 5 == 0) ? tall : small;
    fillCol(p, x, bottom - len + 1, len, c);
  }
}

// A tiny life chart: a year row, an age row and a few event bars, on a white card.
void drawMiniChart(QPainter &p, int x, int y, int cols) {
  const int cw = 12, ch = 7, gap = 1, pad = 3, rows = 4;
  const int width = cols * (cw + gap) - gap + 2 * pad;
  const int height = rows * (ch + gap) - gap + 2 * pad;
  p.setRenderHint(QPainter::Antialiasing, true);
  p.setPen(QPen(QColor(214, 205, 181), 1));
  p.setBrush(kPaper);
  p.drawRoundedRect(QRectF(x + 0.5, y + 0.5, width - 1, height - 1), 3, 3);
  p.setRenderHint(QPainter::Antialiasing, false);
  auto cell = [&](int row, int c0, int c1, const QColor &colour) {
    const int left = x + pad + c0 * (cw + gap);
    const int right = x + pad + (c1 + 1) * (cw + gap) - gap;
    p.fillRect(QRect(left, y + pad + row * (ch + gap), right - left, ch), colour);
  };
  for (int c = 0; c < cols; ++c) {
    cell(0, c, c, mix(kYearBand, kPaper, 0.15));
    cell(1, c, c, c % 5 == 0 ? mix(kAgeBand, kYearBand, 0.25) : kAgeBand);
  }
  const QColor sage(182, 202, 164), rose(224, 182, 164), sky(172, 196, 214), sand(228, 212, 172),
      lilac(200, 188, 214);
  cell(2, 1, 4, sage);
  cell(2, 7, 12, rose);
  cell(2, 15, 17, sky);
  cell(2, 19, cols - 1, sand);
  cell(3, 0, 2, lilac);
  cell(3, 5, 9, sand);
  cell(3, 13, 20, sage);
}

QFont font(const QString &family, double pixels, bool bold, bool italic = false) {
  QFont f(family);
  f.setPixelSize(int(std::lround(pixels)));
  f.setBold(bold);
  f.setItalic(italic);
  f.setHintingPreference(QFont::PreferNoHinting);
  f.setStyleStrategy(QFont::PreferAntialias);
  return f;
}

// Engraved text: a light copy one pixel lower, then the ink.
void engrave(QPainter &p, const QPointF &at, const QString &text, const QColor &ink) {
  QColor light(255, 248, 226);
  light.setAlpha(190);
  p.setPen(light);
  p.drawText(at + QPointF(0, 1), text);
  p.setPen(ink);
  p.drawText(at, text);
}

QImage mainSkin(const MainLayout &m) {
  QImage img(m.w, m.h, QImage::Format_ARGB32_Premultiplied);
  img.fill(kBody);
  QPainter p(&img);
  drawBody(p, m.w, m.h, m.header);
  drawHeader(p, m.w, m.header);

  // Wordmark and tagline at the left of the header.
  p.setRenderHint(QPainter::Antialiasing, true);
  p.setRenderHint(QPainter::TextAntialiasing, true);
  const QFont mark = font("DejaVu Serif", 34 * m.scale, true);
  const QPointF markAt(34, std::round(m.header * 0.71));
  p.setFont(mark);
  QFont spaced = mark;
  spaced.setLetterSpacing(QFont::AbsoluteSpacing, 0.6 * m.scale);
  p.setFont(spaced);
  engrave(p, markAt, "Zentrel", kInk);
  const double markWidth = QFontMetricsF(spaced).horizontalAdvance("Zentrel");
  const QFont tag = font("DejaVu Serif", 13 * m.scale, false, true);
  p.setFont(tag);
  const QString tagline = "the chart of a life";
  const QPointF tagAt(markAt.x() + markWidth + 14 * m.scale, markAt.y());
  engrave(p, tagAt, tagline, QColor(104, 96, 72));
  const double tagEnd = tagAt.x() + QFontMetricsF(tag).horizontalAdvance(tagline);

  // Ruler ticks from after the tagline up to a little before the picture buttons.
  p.setRenderHint(QPainter::Antialiasing, false);
  const int step = int(std::lround(8 * m.scale));
  const int x0 = int(std::ceil(tagEnd + 24 * m.scale));
  const int x1 = m.w - 34;
  drawTicks(p, x0, x1, m.header - 4, step, int(3 * m.scale), int(std::lround(7 * m.scale)));

  sunkenFrame(p, m.viewer);

  // A quiet footer strip behind the version label.
  p.fillRect(QRect(0, m.footerTop, m.w, m.h - m.footerTop), kFooter);
  fillRow(p, 0, m.footerTop, m.w, kHairline);
  fillRow(p, 0, m.footerTop + 1, m.w, kLightLine);
  p.end();
  return composeSkin(img, m.radius);
}

QImage dialogSkin(const DialogLayout &d) {
  QImage img(d.w, d.h, QImage::Format_ARGB32_Premultiplied);
  img.fill(kBody);
  QPainter p(&img);
  drawBody(p, d.w, d.h, d.header);
  drawHeader(p, d.w, d.header);
  drawTicks(p, d.w / 2, d.w - 24, d.header - 3, 7, 2, 4);  // stays below the close box
  if (!d.help.isEmpty()) {
    // A divider above the help pane, then its frame.
    const int y = d.help.top() - 12;
    fillRow(p, d.help.left(), y, d.help.width(), kHairline);
    fillRow(p, d.help.left(), y + 1, d.help.width(), kLightLine);
    sunkenFrame(p, d.help);
  }
  if (d.about) {
    drawMiniChart(p, 19, 128, 23);
    fillRow(p, 17, 173, d.w - 34, kHairline);
    fillRow(p, 17, 174, d.w - 34, kLightLine);
  }
  p.end();
  return composeSkin(img, d.radius);
}

}  // namespace

bool writeSkins(const QString &dir, QList<SkinInfo> *written) {
  QDir().mkpath(dir);
  const QList<MainLayout> mains{
      {"back_border2", 710, 610, 20, 70, 1.0, QRect(32, 100, 645, 437), QRect(623, 15, 77, 15), 579},
      {"back_border3", 873, 750, 24, 92, 1.23, QRect(32, 129, 805, 541), QRect(783, 15, 77, 15), 714},
  };
  // Help panes sit 25 px above the bottom edge, 121 px tall, 17 px from each side.
  const QList<DialogLayout> dialogs{
      {"dialog_newchart", 350, 370, 18, 44, QRect(17, 224, 313, 121), false},
      {"dialog_event", 350, 500, 18, 44, QRect(17, 354, 313, 121), false},
      {"dialog_event_big", 500, 500, 20, 44, QRect(17, 354, 465, 121), false},
      {"dialog_about", 343, 220, 18, 44, QRect(), true},
  };
  bool ok = true;
  auto save = [&](const QString &name, const QImage &rgb, int radius) {
    const QImage indexed = quantise(rgb);
    const QString file = dir + "/" + name + ".png";
    if (!indexed.save(file, "PNG")) {
      ok = false;
      return;
    }
    written->append({name, rgb.width(), rgb.height(), radius});
  };
  for (const MainLayout &m : mains) save(m.name, mainSkin(m), m.radius);
  for (const DialogLayout &d : dialogs) save(d.name, dialogSkin(d), d.radius);
  return ok;
}

}  // namespace pics
