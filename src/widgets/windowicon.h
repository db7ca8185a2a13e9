#pragma once

#include <QIcon>
#include <QImage>

// A window icon at the two sizes a desktop shows it, 32 and 16 pixels, each drawn for its size.
class WindowIcon {
public:
    static QIcon fromDrawing(QImage (*draw)(int size));
};
