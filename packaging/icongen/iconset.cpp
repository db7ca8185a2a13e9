#include "iconset.h"

#include "iconfile.h"
#include "main_window/brushicon.h"

QString IconSet::themeIcon(int size)
{
    return QStringLiteral("packaging/linux/icons/hicolor/%1x%1/apps/nubika.png").arg(size);
}

QImage IconSet::image(int size)
{
    return BrushIcon::image(size).convertToFormat(QImage::Format_ARGB32);
}

QByteArray IconSet::windowsIconFile()
{
    QList<QImage> images;
    for (int size : windowsIconSizes)
        images.append(image(size));
    return IconFile::encode(images);
}
