#pragma once

#include <QImage>

// The 32 x 32 picture of the About dialog's picture box: a white box with grey dots, a purple
// arched opening and a cyan top edge, with a green block and a yellow block above it.
class BoxPicture {
public:
    static QImage image();
};
