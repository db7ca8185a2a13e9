#pragma once

#include <QFont>

// A font of a Windows Japanese face, or of a Japanese sans-serif face that Linux has where that
// one is not installed.
class JapaneseFont {
public:
    static QFont withFace(const QString& face);
};
