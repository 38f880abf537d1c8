// Verifies a converted skin the way the program will read it: Qt's own GIF reader.
#include "common.h"

#include <QFileInfo>
#include <QSet>

#include <cstdio>

namespace pics {

int checkSkin(const QString &file, int width, int height, int radius) {
  const QByteArray name = QFileInfo(file).fileName().toLocal8Bit();
  QImage img(file);
  if (img.isNull()) {
    std::fprintf(stderr, "FAIL %s: cannot be read\n", name.constData());
    return 1;
  }
  int failures = 0;
  auto fail = [&](const char *what, int x = -1, int y = -1) {
    std::fprintf(stderr, "FAIL %s: %s", name.constData(), what);
    if (x >= 0) std::fprintf(stderr, " at (%d,%d)", x, y);
    std::fprintf(stderr, "\n");
    ++failures;
  };
  if (img.width() != width || img.height() != height) fail("wrong size");
  if (img.hasAlphaChannel() && qAlpha(img.pixel(0, 0)) != 255) fail("transparent pixel at (0,0)");
  const auto isKey = [&](int x, int y) { return (img.pixel(x, y) | 0xFF000000u) == kKey; };
  if (!isKey(0, 0)) fail("pixel (0,0) is not the key colour");

  long keyInside = 0, keyOutside = 0, otherOutside = 0, keyInset = 0;
  QSet<QRgb> colours;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x) {
      const bool key = isKey(x, y);
      colours.insert(img.pixel(x, y) | 0xFF000000u);
      const double d = roundedRectDistance(x + 0.5, y + 0.5, img.width(), img.height(), radius);
      if (d <= 0) {
        if (key) {
          if (keyInside == 0) fail("key colour inside the shape", x, y);
          ++keyInside;
        }
      } else if (key) {
        ++keyOutside;
      } else {
        if (otherOutside == 0) fail("non-key pixel outside the shape", x, y);
        ++otherOutside;
      }
      const bool inset = x >= radius && x < img.width() - radius && y >= radius && y < img.height() - radius;
      if (inset && key) ++keyInset;
    }
  if (colours.size() > 256) fail("more than 256 colours");
  std::printf("%s %s (Qt reader): %dx%d, (0,0) %s, key pixels inside shape %ld (inset by radius %d: %ld), "
              "outside %ld, colours %lld\n",
              failures ? "FAIL" : "ok", name.constData(), img.width(), img.height(),
              isKey(0, 0) ? "is key" : "NOT key", keyInside, radius,
              keyInset, keyOutside, static_cast<long long>(colours.size()));
  return failures ? 1 : 0;
}

}  // namespace pics
