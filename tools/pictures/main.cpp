// Generator of Zentrel's pictures.
//   zentrel_pictures generate OUTDIR   skins (indexed PNG) in OUTDIR/skins with OUTDIR/skins.txt,
//                                      buttons and icons in OUTDIR/pictures
//   zentrel_pictures check FILE W H R  exits 1 unless FILE is a sound skin of that size and radius
#include "common.h"

#include <QFile>
#include <QGuiApplication>
#include <QTextStream>

#include <cstdio>

int main(int argc, char **argv) {
  // Fonts need a GUI application; no screen is needed.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const QStringList args = app.arguments();

  if (args.size() == 3 && args[1] == "generate") {
    const QString out = args[2];
    QList<pics::SkinInfo> skins;
    bool ok = pics::writeSkins(out + "/skins", &skins);
    ok = pics::writeButtons(out + "/pictures") && ok;
    ok = pics::writeIcons(out + "/pictures") && ok;
    QFile list(out + "/skins.txt");
    if (!list.open(QIODevice::WriteOnly | QIODevice::Text)) return 1;
    QTextStream s(&list);
    for (const pics::SkinInfo &k : skins) s << k.name << ' ' << k.width << ' ' << k.height << ' ' << k.radius << '\n';
    if (!ok) std::fprintf(stderr, "some pictures could not be written\n");
    return ok ? 0 : 1;
  }
  if (args.size() == 6 && args[1] == "check")
    return pics::checkSkin(args[2], args[3].toInt(), args[4].toInt(), args[5].toInt());

  std::fprintf(stderr, "usage: zentrel_pictures generate OUTDIR | check FILE W H RADIUS\n");
  return 2;
}
