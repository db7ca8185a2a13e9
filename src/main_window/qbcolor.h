#pragma once

#include <QColor>

// The sixteen-colour palette: colour numbers 0 to 15.
QColor QBColor(int number);
