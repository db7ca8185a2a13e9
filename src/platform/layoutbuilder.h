#pragma once

#include <QRect>
#include <Qt>
#include <span>

class QWidget;

enum class ControlKind { Button, Label, ClickLabel, ComboBox, PictureBox };

// One row of a window's layout table. Positions and sizes are in twips (1/1440 inch).
struct ControlSpec {
    const char* name;
    ControlKind kind;
    const char* text; // UTF-8
    int left;
    int top;
    int width;
    int height;
    Qt::Alignment align = Qt::AlignLeft;
};

// Creates a window's controls from its layout table. Rows are in tab order; labels never take
// the focus and no control passes mouse presses on to the window beneath it.
class LayoutBuilder {
public:
    static constexpr int twipsPerPixel = 15;

    static QRect toPixels(int left, int top, int width, int height);
    static void build(QWidget& form, std::span<const ControlSpec> table);
    // Sizes the window's client area, in twips, and centres it on the screen.
    static void centreOnScreen(QWidget& form, int width, int height);
};
