// Shared colours, geometry and entry points of the picture generator.
#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <QString>

namespace pics {

// The window mask is cut from every pixel of this colour, so it must never appear inside a skin.
inline constexpr QRgb kKey = 0xFFFF00FFu;

// The program's warm palette (flat buttons, chart bands, titles).
inline const QColor kFace(238, 199, 97);
inline const QColor kBorder(139, 131, 107);
inline const QColor kHighlight(151, 143, 121);
inline const QColor kShadow(114, 107, 88);
inline const QColor kTitle(112, 105, 86);
inline const QColor kYearBand(132, 122, 52);
inline const QColor kAgeBand(238, 199, 97);
inline const QColor kBody(248, 244, 232);
inline const QColor kInk(70, 64, 49);  // dark taupe for the wordmark and glyphs

QColor mix(const QColor &a, const QColor &b, double t);  // t = 0 gives a, 1 gives b

// Signed distance of point (x, y) to the edge of the rounded rectangle [0,w] x [0,h]; negative inside.
double roundedRectDistance(double x, double y, double w, double h, double r);

// Header band colour at row y; shared by skins and image buttons so their backgrounds agree.
QColor headerColour(int y, int headerHeight);

// Reduces an opaque picture to at most 256 exact colours; the key colour keeps index 0 and no other
// pixel is ever mapped onto it. No dithering, so flat areas stay flat.
QImage quantise(const QImage &rgb);

struct SkinInfo {
  QString name;  // file name without extension
  int width;
  int height;
  int radius;
};

// Each writes PNG files into dir; returns false on a write failure.
bool writeSkins(const QString &dir, QList<SkinInfo> *written);
bool writeButtons(const QString &dir);
bool writeIcons(const QString &dir);

// Verifies a skin picture: size, key colour at (0,0), no key inside, only key outside, <= 256 colours.
int checkSkin(const QString &file, int width, int height, int radius);

}  // namespace pics
