#pragma once

#include <QIcon>
#include <QString>

// A window icon at the two sizes a desktop shows it, each drawn for its size: the files
// <stem>-32.png and <stem>-16.png, usually in a resource.
class WindowIcon {
public:
    static QIcon load(const QString& stem);
};
