#include "main_window/pen.h"

#include "platform/messageboxservice.h"

#include <QRegularExpression>
#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;

namespace {

QString widthError(const char* what)
{
    return MessageBoxService::error(QString::fromUtf8(what) +
                                    u"\r\n初期値として1が入力されました"_s);
}

QString colourError(const char* what)
{
    return MessageBoxService::error(QString::fromUtf8(what) +
                                    u"\r\n初期値として1が選択されました"_s);
}

// The box's text as a decimal number: sign, digits, point and exponent in ASCII, with blanks
// around it; nothing else, whatever the machine's language ("inf", "nan" and "３" are text).
std::optional<double> real(QStringView text)
{
    static const QRegularExpression decimal(
        QStringLiteral("^[+-]?([0-9]+[.]?[0-9]*|[.][0-9]+)([eE][+-]?[0-9]+)?$"));
    const QString trimmed = text.trimmed().toString();
    if (!decimal.match(trimmed).hasMatch())
        return std::nullopt;
    // Out of range, this is infinite or 0 with ok false: the values wanted.
    return trimmed.toDouble();
}

// Rounded to the nearest integer, halves to the even neighbour, if it fits 16 bits.
std::optional<short> integer(double value)
{
    const double rounded = std::nearbyint(value); // the default rounding mode: halves to even
    if (!(rounded >= std::numeric_limits<short>::min() &&
          rounded <= std::numeric_limits<short>::max()))
        return std::nullopt;
    return static_cast<short>(rounded);
}

} // namespace

Pen::Choice Pen::width(QStringView text)
{
    const auto number = real(text);
    if (!number)
        return {1, widthError("線の太さNoが数字ではありません")};
    if (*number == 0)
        return {1, widthError("線の太さNoが0です")};
    const auto rounded = integer(*number);
    if (rounded && *rounded >= 1)
        return {*rounded, {}};
    return {1, widthError(*number > 0 && !rounded ? "線の太さNoは32767までです"
                                                  : "線の太さNoが1より小さいです")};
}

Pen::Choice Pen::colour(QStringView text)
{
    const auto number = real(text);
    if (Choice hover = hoverColour(number); !hover.accepted())
        return hover;
    const auto rounded = integer(*number);
    if (rounded && *rounded >= 0 && *rounded <= 15)
        return {*rounded, {}};
    return {1, colourError(*number > 0 ? "色の種類Noは15までです" : "色の種類Noは0からです")};
}

Pen::Choice Pen::hoverColour(QStringView text)
{
    return hoverColour(real(text));
}

Pen::Choice Pen::hoverColour(std::optional<double> number)
{
    if (!number)
        return {1, colourError("色の種類Noが数字ではありません")};
    if (*number >= 16)
        return {1, colourError("色の種類Noは15までです")};
    return {0, {}};
}
