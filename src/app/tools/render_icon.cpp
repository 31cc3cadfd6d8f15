// Writes the program icon as OUTDIR/SIZE/tintara.png for each SIZE given, or,
// with --ico FILE, as one Windows icon file holding the sizes Windows shows.
#include "ui/artwork.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QtEndian>

#include <cstdio>

namespace
{

bool writePngs(const QString &outDir, const QStringList &sizes)
{
    for (const QString &text : sizes) {
        const int size = text.toInt();
        const QString dir = outDir + QLatin1Char('/') + QString::number(size);
        if (size <= 0 || !QDir().mkpath(dir) ||
            !tintara::iconImage(size).save(dir + QStringLiteral("/tintara.png"))) {
            return false;
        }
    }
    return true;
}

template <typename T> void append(QByteArray &out, T value)
{
    const T little = qToLittleEndian(value);
    out.append(reinterpret_cast<const char *>(&little), sizeof little);
}

// An .ico file whose images are PNG-compressed, as Windows has read them since Vista.
bool writeIco(const QString &path)
{
    const int sizes[] = {16, 24, 32, 48, 64, 256};
    QList<QByteArray> pngs;
    for (const int size : sizes) {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        if (!tintara::iconImage(size).save(&buffer, "PNG")) {
            return false;
        }
        pngs.append(png);
    }
    QByteArray ico;
    append<quint16>(ico, 0); // reserved
    append<quint16>(ico, 1); // an icon, not a cursor
    append<quint16>(ico, static_cast<quint16>(pngs.size()));
    quint32 offset = 6 + 16 * pngs.size();
    for (qsizetype i = 0; i < pngs.size(); ++i) {
        const auto side = static_cast<quint8>(sizes[i] == 256 ? 0 : sizes[i]); // 0 means 256
        append<quint8>(ico, side);
        append<quint8>(ico, side);
        append<quint8>(ico, 0); // no palette
        append<quint8>(ico, 0);
        append<quint16>(ico, 1);  // colour planes
        append<quint16>(ico, 32); // bits per pixel
        append<quint32>(ico, static_cast<quint32>(pngs[i].size()));
        append<quint32>(ico, offset);
        offset += static_cast<quint32>(pngs[i].size());
    }
    for (const QByteArray &png : pngs) {
        ico.append(png);
    }
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(ico) == ico.size() && file.flush();
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() == 2 && args[0] == QStringLiteral("--ico")) {
        if (!writeIco(args[1])) {
            std::fprintf(stderr, "%s: cannot write the icon file\n", argv[0]);
            return 1;
        }
        return 0;
    }
    if (args.size() < 2 || args[0].startsWith(QLatin1Char('-'))) {
        std::fprintf(stderr, "usage: %s OUTDIR SIZE...\n       %s --ico FILE\n", argv[0], argv[0]);
        return 2;
    }
    if (!writePngs(args[0], args.mid(1))) {
        std::fprintf(stderr, "%s: cannot write the icons\n", argv[0]);
        return 1;
    }
    return 0;
}
