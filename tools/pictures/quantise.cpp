// Palette reduction for the GIF skins. Done here rather than by the converter so that the key
// colour and the large flat areas keep their exact values and nothing gets dithered.
#include "common.h"

#include <QHash>
#include <QList>

#include <algorithm>
#include <cmath>
#include <limits>

namespace pics {
namespace {

struct Entry {
  QRgb rgb;
  qint64 count;
};

struct Box {
  QList<Entry> entries;
  int range(int shift) const {
    int lo = 255, hi = 0;
    for (const Entry &e : entries) {
      const int v = (e.rgb >> shift) & 0xFF;
      lo = std::min(lo, v);
      hi = std::max(hi, v);
    }
    return hi - lo;
  }
  qint64 weight() const {
    qint64 n = 0;
    for (const Entry &e : entries) n += e.count;
    return n;
  }
};

QRgb boxMean(const Box &b) {
  double r = 0, g = 0, bl = 0, n = 0;
  for (const Entry &e : b.entries) {
    r += qRed(e.rgb) * double(e.count);
    g += qGreen(e.rgb) * double(e.count);
    bl += qBlue(e.rgb) * double(e.count);
    n += double(e.count);
  }
  return qRgb(int(r / n + 0.5), int(g / n + 0.5), int(bl / n + 0.5));
}

// Median cut over the given colours into at most n representatives.
QList<QRgb> medianCut(QList<Entry> colours, int n) {
  QList<QRgb> out;
  if (colours.isEmpty() || n <= 0) return out;
  QList<Box> boxes{Box{colours}};
  while (boxes.size() < n) {
    // Split the box whose widest channel, weighted by its population, is largest.
    int best = -1, bestShift = 0;
    double bestScore = 0;
    for (int i = 0; i < boxes.size(); ++i) {
      if (boxes[i].entries.size() < 2) continue;
      for (int shift : {16, 8, 0}) {
        const double score = boxes[i].range(shift) * std::sqrt(double(boxes[i].weight()));
        if (score > bestScore) {
          bestScore = score;
          best = i;
          bestShift = shift;
        }
      }
    }
    if (best < 0) break;
    Box b = boxes.takeAt(best);
    std::sort(b.entries.begin(), b.entries.end(), [bestShift](const Entry &x, const Entry &y) {
      return ((x.rgb >> bestShift) & 0xFF) < ((y.rgb >> bestShift) & 0xFF);
    });
    const qint64 half = b.weight() / 2;
    qint64 acc = 0;
    qsizetype cut = 1;
    for (qsizetype i = 0; i < b.entries.size() - 1; ++i) {
      acc += b.entries[i].count;
      cut = i + 1;
      if (acc >= half) break;
    }
    boxes.append(Box{b.entries.mid(0, cut)});
    boxes.append(Box{b.entries.mid(cut)});
  }
  for (const Box &b : boxes) out.append(boxMean(b));
  return out;
}

int distance2(QRgb a, QRgb b) {
  const int dr = qRed(a) - qRed(b), dg = qGreen(a) - qGreen(b), db = qBlue(a) - qBlue(b);
  return 3 * dr * dr + 4 * dg * dg + 2 * db * db;
}

}  // namespace

QImage quantise(const QImage &source) {
  const QImage rgb = source.convertToFormat(QImage::Format_RGB32);
  QHash<QRgb, qint64> histogram;
  for (int y = 0; y < rgb.height(); ++y) {
    const QRgb *line = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
    for (int x = 0; x < rgb.width(); ++x) {
      const QRgb c = line[x] | 0xFF000000u;
      if (c != kKey) ++histogram[c];
    }
  }

  QList<Entry> all;
  for (auto it = histogram.cbegin(); it != histogram.cend(); ++it) all.append({it.key(), it.value()});
  std::sort(all.begin(), all.end(), [](const Entry &a, const Entry &b) {
    return a.count != b.count ? a.count > b.count : a.rgb < b.rgb;
  });

  // Index 0 is the key; frequent colours are kept exactly; the rest are cut into the remaining slots.
  QList<QRgb> palette{kKey};
  const int available = 255;
  if (all.size() <= available) {
    for (const Entry &e : all) palette.append(e.rgb);
  } else {
    const int pinnedMax = 96;
    int pinned = 0;
    while (pinned < pinnedMax && all[pinned].count >= 40) ++pinned;
    for (int i = 0; i < pinned; ++i) palette.append(all[i].rgb);
    for (QRgb c : medianCut(all.mid(pinned), available - pinned)) {
      if (c == kKey) c = qRgb(255, 1, 254);  // a cluster mean may never become the key
      palette.append(c);
    }
  }

  QImage out(rgb.size(), QImage::Format_Indexed8);
  out.setColorCount(int(palette.size()));
  for (int i = 0; i < palette.size(); ++i) out.setColor(i, palette[i]);
  QHash<QRgb, uchar> lookup;
  for (int y = 0; y < rgb.height(); ++y) {
    const QRgb *line = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
    uchar *dst = out.scanLine(y);
    for (int x = 0; x < rgb.width(); ++x) {
      const QRgb c = line[x] | 0xFF000000u;
      if (c == kKey) {
        dst[x] = 0;
        continue;
      }
      auto it = lookup.constFind(c);
      if (it == lookup.cend()) {
        int best = 1, bestD = std::numeric_limits<int>::max();
        for (int i = 1; i < palette.size(); ++i) {
          const int d = distance2(c, palette[i]);
          if (d < bestD) {
            bestD = d;
            best = i;
          }
        }
        it = lookup.insert(c, uchar(best));
      }
      dst[x] = *it;
    }
  }
  return out;
}

}  // namespace pics
