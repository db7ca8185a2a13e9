#include "widgets/windowicon.h"

#include <QPixmap>

QIcon WindowIcon::fromDrawing(QImage (*draw)(int size))
{
    QIcon icon;
    for (int size : {32, 16})
        icon.addPixmap(QPixmap::fromImage(draw(size)));
    return icon;
}
