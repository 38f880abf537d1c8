#include "common.h"

#include <algorithm>
#include <cmath>

namespace pics {

QColor mix(const QColor &a, const QColor &b, double t) {
  t = std::clamp(t, 0.0, 1.0);
  auto ch = [t](int x, int y) { return int(std::lround(x + (y - x) * t)); };
  return QColor(ch(a.red(), b.red()), ch(a.green(), b.green()), ch(a.blue(), b.blue()));
}

double roundedRectDistance(double x, double y, double w, double h, double r) {
  const double qx = std::abs(x - w / 2) - (w / 2 - r);
  const double qy = std::abs(y - h / 2) - (h / 2 - r);
  const double ox = std::max(qx, 0.0), oy = std::max(qy, 0.0);
  return std::hypot(ox, oy) + std::min(std::max(qx, qy), 0.0) - r;
}

QColor headerColour(int y, int headerHeight) {
  // Pale ochre that deepens a little downwards; measured in absolute rows near the top so that
  // the picture buttons match both main-window layouts.
  const QColor top(241, 224, 176), bottom(226, 201, 138);
  return mix(top, bottom, double(y) / std::max(1, headerHeight - 1));
}

}  // namespace pics
