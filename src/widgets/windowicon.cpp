#include "widgets/windowicon.h"

QIcon WindowIcon::load(const QString& stem)
{
    QIcon icon;
    for (int size : {32, 16})
        icon.addFile(QStringLiteral("%1-%2.png").arg(stem).arg(size));
    return icon;
}
