// Arbitrary text in the width and colour boxes: the pen either accepts a value it can draw
// with, or refuses with one of its messages and falls back to 1. The number reading agrees
// with the C library's on every text both take as a decimal number.
#include "main_window/numbertext.h"
#include "main_window/pen.h"

#include <QString>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>

namespace {

void check(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "invariant broken: %s\n", what);
        std::abort();
    }
}

bool endsWith(const std::string& text, const std::string& end)
{
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// The message's middle line, once its fixed first and last lines are checked.
std::string reason(const std::string& error, const std::string& last)
{
    const std::string first = "Error!!\r\n";
    check(error.rfind(first, 0) == 0, "message starts with Error!!");
    check(endsWith(error, "\r\n" + last), "message ends with the reset line");
    return error.substr(first.size(), error.size() - first.size() - last.size() - 2);
}

void checkWidth(QStringView text, std::optional<double> real)
{
    const Pen::Choice width = Pen::width(text);
    if (width.accepted()) {
        check(width.value >= 1 && width.value <= 32767, "accepted width is 1..32767");
        check(real && std::isfinite(*real), "accepted width is a number");
        check(std::fabs(*real - width.value) <= 0.5, "accepted width is the rounded number");
        return;
    }
    check(width.value == 1, "refused width falls back to 1");
    static const std::set<std::string> reasons = {"線の太さNoが数字ではありません",
                                                  "線の太さNoが0です", "線の太さNoは32767までです",
                                                  "線の太さNoが1より小さいです"};
    const std::string why = reason(width.error, "初期値として1が入力されました");
    check(reasons.contains(why), "known width message");
    check((real && *real == 0) == (why == "線の太さNoが0です"), "the zero message for zero only");
    check(!real == (why == "線の太さNoが数字ではありません"), "the number message for text only");
}

void checkColour(QStringView text, std::optional<double> real)
{
    const Pen::Choice colour = Pen::colour(text);
    if (colour.accepted()) {
        check(colour.value >= 0 && colour.value <= 15, "accepted colour is 0..15");
        check(real && *real > -0.5 - 1e-9 && *real < 15.5 + 1e-9, "accepted colour in range");
        return;
    }
    check(colour.value == 1, "refused colour falls back to 1");
    static const std::set<std::string> reasons = {
        "色の種類Noが数字ではありません", "色の種類Noは15までです", "色の種類Noは0からです"};
    const std::string why = reason(colour.error, "初期値として1が選択されました");
    check(reasons.contains(why), "known colour message");
    if (real && *real >= 16)
        check(why == "色の種類Noは15までです", "16 or more gives the up-to-15 message");
}

void checkNumber(QStringView text, std::optional<double> real)
{
    const std::optional<short> integer = NumberText::integer(text);
    if (integer) {
        check(real && std::isfinite(*real), "an integer is a finite number");
        check(std::fabs(*real - *integer) <= 0.5, "the integer is the nearest one");
    } else if (real && std::isfinite(*real)) {
        check(std::fabs(*real) > 32767, "a small number rounds to an integer");
    }

    // Decimal notation only, as strtod reads it in the C locale.
    const QString trimmed = text.trimmed().toString();
    std::string ascii;
    for (QChar c : trimmed) {
        const char16_t u = c.unicode();
        if (u > 0x7f || std::string_view("0123456789+-.eE").find(char(u)) == std::string_view::npos)
            return;
        ascii.push_back(char(u));
    }
    char* end = nullptr;
    const double theirs = std::strtod(ascii.c_str(), &end);
    const bool whole = !ascii.empty() && end == ascii.c_str() + ascii.size();
    check(whole == real.has_value(), "a number exactly when the C library reads one");
    if (whole)
        check(theirs == *real, "the same value as the C library");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    // The first byte picks how the rest becomes the box's text: UTF-8, or raw UTF-16 units
    // (lone surrogates included).
    QString text;
    if (data[0] & 1)
        text = QString::fromUtf8(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    else
        for (std::size_t at = 1; at + 1 < size; at += 2)
            text.append(QChar(char16_t(data[at] | data[at + 1] << 8)));

    const std::optional<double> real = NumberText::real(text);
    checkNumber(text, real);
    checkWidth(text, real);
    checkColour(text, real);
    return 0;
}
