// Writes the program's icon files from the brush drawn in code: the Windows program icon and
// the Linux desktop's hicolor theme icons. Usage: nubika_icongen <source folder>
#include "iconfile.h"
#include "iconset.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <cstdio>

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: nubika_icongen <source folder>\n");
        return 2;
    }
    const QDir root(QString::fromLocal8Bit(argv[1]));
    QFile ico(root.filePath(IconSet::windowsIcon));
    if (!ico.open(QIODevice::WriteOnly) || ico.write(IconSet::windowsIconFile()) < 0)
        return 1;
    for (int size : IconSet::themeSizes) {
        const QString path = root.filePath(IconSet::themeIcon(size));
        if (!QDir().mkpath(QFileInfo(path).path()) || !IconSet::image(size).save(path, "PNG"))
            return 1;
    }
    return 0;
}
