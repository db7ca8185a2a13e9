#pragma once

#include <QIcon>

// The About dialog's window icon: a yellow warning triangle with a black exclamation mark
// and a grey shadow, at 32 and 16 pixels.
class WarningIcon {
public:
    static QIcon make();
    static QImage image(int size);
};
