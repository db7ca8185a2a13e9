#include "main_window/numbertext.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Decimal order of magnitude of a well-formed number, enough to tell overflow from underflow.
long magnitude(const std::string& number)
{
    std::size_t i = 0;
    long leadingZeros = 0;
    long integerDigits = 0;
    bool significant = false;
    for (; i < number.size() && isDigit(number[i]); ++i) {
        significant = significant || number[i] != '0';
        integerDigits += significant ? 1 : 0;
    }
    if (i < number.size() && number[i] == '.') {
        for (++i; integerDigits == 0 && i < number.size() && number[i] == '0'; ++i)
            ++leadingZeros;
    }
    const std::size_t e = number.find_first_of("eE");
    // Clamped, so that an exponent beyond a long cannot overflow the sum below.
    const long exponent =
        e == std::string::npos
            ? 0
            : std::clamp(std::strtol(number.c_str() + e + 1, nullptr, 10), -100000L, 100000L);
    return (integerDigits > 0 ? integerDigits : -leadingZeros) + exponent;
}

bool wellFormed(const std::string& s)
{
    std::size_t i = 0;
    std::size_t digits = 0;
    for (; i < s.size() && isDigit(s[i]); ++i)
        ++digits;
    if (i < s.size() && s[i] == '.')
        for (++i; i < s.size() && isDigit(s[i]); ++i)
            ++digits;
    if (digits == 0)
        return false;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-'))
            ++i;
        const std::size_t start = i;
        while (i < s.size() && isDigit(s[i]))
            ++i;
        if (i == start)
            return false;
    }
    return i == s.size();
}

} // namespace

std::optional<double> NumberText::real(QStringView text)
{
    const QStringView trimmed = text.trimmed();
    std::string ascii;
    ascii.reserve(trimmed.size());
    for (QChar c : trimmed) {
        if (c.unicode() > 0x7f)
            return std::nullopt;
        ascii.push_back(static_cast<char>(c.unicode()));
    }
    bool negative = false;
    if (!ascii.empty() && (ascii.front() == '+' || ascii.front() == '-')) {
        negative = ascii.front() == '-';
        ascii.erase(0, 1);
    }
    if (!wellFormed(ascii))
        return std::nullopt;

    double value = 0;
    const auto [end, error] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
    if (error == std::errc::result_out_of_range)
        value = magnitude(ascii) > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    else if (error != std::errc() || end != ascii.data() + ascii.size())
        return std::nullopt;
    return negative ? -value : value;
}

std::optional<short> NumberText::integer(QStringView text)
{
    const std::optional<double> value = real(text);
    return value ? integer(*value) : std::nullopt;
}

std::optional<short> NumberText::integer(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    const double rounded = std::nearbyint(value); // the default rounding mode: halves to even
    if (rounded < std::numeric_limits<short>::min() || rounded > std::numeric_limits<short>::max())
        return std::nullopt;
    return static_cast<short>(rounded);
}
