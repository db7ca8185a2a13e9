#include "main_window/pen.h"

#include "main_window/numbertext.h"

namespace {

std::string widthError(const char* what)
{
    return std::string("Error!!\r\n") + what + "\r\n初期値として1が入力されました";
}

std::string colourError(const char* what)
{
    return std::string("Error!!\r\n") + what + "\r\n初期値として1が選択されました";
}

} // namespace

Pen::Choice Pen::width(QStringView text)
{
    const auto real = NumberText::real(text);
    if (!real)
        return {1, widthError("線の太さNoが数字ではありません")};
    if (*real == 0)
        return {1, widthError("線の太さNoが0です")};
    const auto rounded = NumberText::integer(*real);
    if (rounded && *rounded >= 1)
        return {*rounded, {}};
    return {1, widthError(*real > 0 && !rounded ? "線の太さNoは32767までです"
                                                : "線の太さNoが1より小さいです")};
}

Pen::Choice Pen::colour(QStringView text)
{
    const auto real = NumberText::real(text);
    if (Choice hover = hoverColour(real); !hover.accepted())
        return hover;
    const auto rounded = NumberText::integer(*real);
    if (rounded && *rounded >= 0 && *rounded <= 15)
        return {*rounded, {}};
    return {1, colourError(*real > 0 ? "色の種類Noは15までです" : "色の種類Noは0からです")};
}

Pen::Choice Pen::hoverColour(QStringView text)
{
    return hoverColour(NumberText::real(text));
}

Pen::Choice Pen::hoverColour(std::optional<double> real)
{
    if (!real)
        return {1, colourError("色の種類Noが数字ではありません")};
    if (*real >= 16)
        return {1, colourError("色の種類Noは15までです")};
    return {0, {}};
}
