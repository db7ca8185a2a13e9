// Any text in the boxes: a width of 1..32767 or a refusal with 1 and a message a plain wrong
// entry gets; a colour of 0..15 or a refusal with 1; hovering refuses just 16 and more, and text.
#include "main_window/numbertext.h"
#include "main_window/pen.h"

#include <QString>
#include <set>

const std::set<std::string> widthErrors = {Pen::width(u"x").error, Pen::width(u"0").error,
                                           Pen::width(u"40000").error, Pen::width(u"-1").error};

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const Pen::Choice width = Pen::width(text), colour = Pen::colour(text);
    const std::optional<double> number = NumberText::real(text);
    if (!(width.accepted() ? width.value >= 1 && width.value <= 32767
                           : width.value == 1 && widthErrors.contains(width.error)) ||
        !(colour.accepted() ? colour.value >= 0 && colour.value <= 15 : colour.value == 1) ||
        Pen::hoverColour(text).accepted() != (number && *number < 16))
        __builtin_trap();
    return 0;
}
