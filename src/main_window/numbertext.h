#pragma once

#include <QStringView>
#include <optional>

// Readings of a combo box's text as a number. Only ASCII decimal notation is a number
// (sign, digits, point, exponent), with blanks around it; the machine's locale plays no part.
class NumberText {
public:
    // The value read; infinite when it is too large for a double.
    static std::optional<double> real(QStringView text);
    // The value rounded to the nearest integer, halves to the even neighbour, if it fits 16 bits.
    static std::optional<short> integer(QStringView text);
    static std::optional<short> integer(double value);
};
