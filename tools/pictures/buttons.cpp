// State pictures of the image buttons: the four 17 x 15 buttons of the main window's header and
// the 21 x 20 close box of the dialogs. They are opaque, with the header colour behind their
// rounded corners, so they look right whatever the widget paints underneath.
#include "common.h"

#include <QDir>
#include <QLinearGradient>
#include <QPainter>

#include <functional>

namespace pics {
namespace {

enum class State { Normal, Up, Hover, Down };

struct Look {
  QColor top, bottom, border, ink, innerLine;
  int innerAlpha;
};

Look lookOf(State s) {
  switch (s) {
    case State::Normal:
      return {QColor(243, 213, 134), QColor(232, 192, 90), kBorder, kInk, QColor(255, 246, 214), 120};
    case State::Up:
      return {QColor(245, 218, 142), QColor(235, 196, 95), kShadow, kInk, QColor(255, 248, 222), 200};
    case State::Hover:
      return {QColor(251, 234, 182), QColor(244, 215, 136), kHighlight, QColor(60, 54, 41),
              QColor(255, 252, 236), 170};
    case State::Down:
      return {QColor(206, 166, 72), QColor(222, 184, 90), kShadow, QColor(48, 43, 33),
              QColor(150, 118, 50), 150};
  }
  return {};
}

const char *stateName(State s) {
  switch (s) {
    case State::Normal: return "normal";
    case State::Up: return "up";
    case State::Hover: return "hover";
    case State::Down: return "down";
  }
  return "";
}

using Glyph = std::function<void(QPainter &, const QColor &)>;

QImage button(int w, int h, int top, int header, State s, const Glyph &glyph) {
  QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
  QPainter p(&img);
  for (int y = 0; y < h; ++y) p.fillRect(QRect(0, y, w, 1), headerColour(top + y, header));
  p.setRenderHint(QPainter::Antialiasing, true);
  const Look l = lookOf(s);
  QLinearGradient g(0, 0, 0, h);
  g.setColorAt(0, l.top);
  g.setColorAt(1, l.bottom);
  const double radius = h >= 20 ? 4 : 3;
  p.setPen(QPen(l.border, 1));
  p.setBrush(g);
  p.drawRoundedRect(QRectF(0.5, 0.5, w - 1, h - 1), radius, radius);

  // Raised states catch light along the top; the pressed one shows a shadow there instead.
  QColor inner = l.innerLine;
  inner.setAlpha(l.innerAlpha);
  p.setPen(QPen(inner, 1));
  p.setBrush(Qt::NoBrush);
  if (s == State::Up)
    p.drawRoundedRect(QRectF(1.5, 1.5, w - 3, h - 3), radius - 1, radius - 1);
  else
    p.drawLine(QPointF(2.5, 1.5), QPointF(w - 2.5, 1.5));

  if (s == State::Down) p.translate(1, 1);
  glyph(p, l.ink);
  p.end();
  return img.convertToFormat(QImage::Format_RGB32);
}

// Glyphs for the 17 x 15 face; the centre of the face is (8.5, 7.5).
void glyphClose(QPainter &p, const QColor &ink) {
  p.setRenderHint(QPainter::Antialiasing, true);
  p.setPen(QPen(ink, 1.7, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(5.6, 4.6), QPointF(11.4, 10.4));
  p.drawLine(QPointF(11.4, 4.6), QPointF(5.6, 10.4));
}

void glyphMinimise(QPainter &p, const QColor &ink) {
  p.setRenderHint(QPainter::Antialiasing, false);
  p.fillRect(QRect(5, 9, 7, 2), ink);
}

// Two overlapping windows, the usual sign for changing a window's size.
void glyphLayout(QPainter &p, const QColor &ink) {
  p.setRenderHint(QPainter::Antialiasing, false);
  // The window behind: only its top, its right side and the bit of its left side above the front one.
  p.fillRect(QRect(7, 3, 6, 1), ink);
  p.fillRect(QRect(12, 3, 1, 6), ink);
  p.fillRect(QRect(7, 3, 1, 3), ink);
  p.fillRect(QRect(10, 8, 3, 1), ink);
  // The window in front, with its heavy title edge.
  p.fillRect(QRect(4, 6, 6, 2), ink);
  p.fillRect(QRect(4, 6, 1, 6), ink);
  p.fillRect(QRect(9, 6, 1, 6), ink);
  p.fillRect(QRect(4, 11, 6, 1), ink);
}

// A serif "i" for the about box.
void glyphAbout(QPainter &p, const QColor &ink) {
  p.setRenderHint(QPainter::Antialiasing, true);
  p.setPen(Qt::NoPen);
  p.setBrush(ink);
  p.drawEllipse(QPointF(8.5, 3.9), 1.25, 1.25);
  p.setRenderHint(QPainter::Antialiasing, false);
  p.fillRect(QRect(8, 6, 2, 5), ink);   // stem
  p.fillRect(QRect(7, 6, 1, 1), ink);   // head serif
  p.fillRect(QRect(7, 11, 4, 1), ink);  // foot
}

// The dialogs' close box: a cross centred on the 21 x 20 face.
void glyphDialogClose(QPainter &p, const QColor &ink) {
  p.setRenderHint(QPainter::Antialiasing, true);
  p.setPen(QPen(ink, 1.9, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(7.0, 6.5), QPointF(14.0, 13.5));
  p.drawLine(QPointF(14.0, 6.5), QPointF(7.0, 13.5));
}

}  // namespace

bool writeButtons(const QString &dir) {
  QDir().mkpath(dir);
  struct Kind {
    QString name;
    int w, h, top, header;
    Glyph glyph;
  };
  // The main buttons sit at row 15 of the 70 px header; the close box at row 17 of the 44 px one.
  const QList<Kind> kinds{
      {"btn_layout", 17, 15, 15, 70, glyphLayout},
      {"btn_min", 17, 15, 15, 70, glyphMinimise},
      {"btn_close", 17, 15, 15, 70, glyphClose},
      {"btn_about", 17, 15, 15, 70, glyphAbout},
      {"btn_dlgclose", 21, 20, 17, 44, glyphDialogClose},
  };
  bool ok = true;
  for (const Kind &k : kinds)
    for (State s : {State::Normal, State::Up, State::Hover, State::Down}) {
      const QImage img = button(k.w, k.h, k.top, k.header, s, k.glyph);
      ok = img.save(dir + "/" + k.name + "_" + stateName(s) + ".png", "PNG") && ok;
    }
  return ok;
}

}  // namespace pics
