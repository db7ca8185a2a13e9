#pragma once

#include <QColor>

// The sixteen-colour palette: colour numbers 0 to 15. Numbers outside it give black.
QColor QBColor(int number);
