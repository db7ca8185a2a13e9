#pragma once

#include <QString>
#include <optional>

// The freehand pen: up or down, and the checks of the width and colour the user entered.
class Pen {
public:
    // A value to draw with, and the message to show first when the entry was refused
    // (the entry is then replaced by 1).
    struct Choice {
        int value;
        QString error;
        bool accepted() const { return error.isEmpty(); }
    };

    static Choice width(QStringView text);
    static Choice colour(QStringView text);
    // A movement with the pen up draws nothing, so only what the box can never hold is refused:
    // 16 or more, or text that is no number.
    static Choice hoverColour(QStringView text);

    void press() { down = True; }
    void release() { down = False; }
    bool isDown() const { return down == True; }

private:
    static Choice hoverColour(std::optional<double> number);

    // A 16-bit flag where only the exact value -1 means down.
    static constexpr short True = -1;
    static constexpr short False = 0;
    short down = False;
};
