#pragma once

#include <QFont>

// A font of a Windows Japanese face, or of a Japanese sans-serif face that Linux has where that
// one is not installed.
class JapaneseFont {
public:
    static QFont withFace(const QString& face);
    // The windows' own font: they were laid out for a Japanese desktop's 12-pixel UI font; the
    // usual Linux default is larger and cuts off captions.
    static QFont desktop();
};
