#pragma once

#include <QIcon>

// The main window's icon, a slanted green-and-white brush, at 32 and 16 pixels.
class BrushIcon {
public:
    static QIcon make();
    static QImage image(int size);
};
