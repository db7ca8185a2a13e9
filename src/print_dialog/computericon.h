#pragma once

#include <QIcon>
#include <QImage>

// The print confirmation's icon: a desktop computer with monitor, keyboard and mouse, at 32 and
// 16 pixels in the sixteen colours of the classic palette.
class ComputerIcon {
public:
    static QIcon make();
    static QImage image(int size);
};
