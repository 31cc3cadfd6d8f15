// Writes the program icon as OUTDIR/SIZE/tintara.png for each SIZE given.
#include "ui/artwork.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s OUTDIR SIZE...\n", argv[0]);
        return 2;
    }
    const QString outDir = QString::fromLocal8Bit(argv[1]);
    for (int i = 2; i < argc; ++i) {
        const int size = QString::fromLatin1(argv[i]).toInt();
        const QString dir = outDir + QLatin1Char('/') + QString::number(size);
        if (size <= 0 || !QDir().mkpath(dir) ||
            !tintara::iconImage(size).save(dir + QStringLiteral("/tintara.png"))) {
            std::fprintf(stderr, "%s: cannot write the %s px icon\n", argv[0], argv[i]);
            return 1;
        }
    }
    return 0;
}
