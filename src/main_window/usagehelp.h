#pragma once

#include <QString>

// The usage message shown by the "使い方" label.
class UsageHelp {
public:
    // Nineteen lines joined by CR LF, with no line break before the first or after the last.
    static QString text();
};
