#pragma once

#include "widgets/clicklabel.h"
#include "widgets/picturebox.h"
#include "widgets/twips.h"

#include <QComboBox>
#include <QPushButton>
#include <QRect>
#include <array>
#include <variant>

// One row of a window's layout table: which member of the window's control set it creates, its
// text and its rectangle in twips (1/1440 inch). The member's type says what kind of control it
// is, so a misspelt or mistyped control does not compile.
template <typename Controls> struct ControlRow {
    std::variant<QPushButton * Controls::*, QLabel * Controls::*, ClickLabel * Controls::*,
                 QComboBox * Controls::*, PictureBox * Controls::*>
        control;
    const char* text; // UTF-8
    int left;
    int top;
    int width;
    int height;
    Qt::Alignment align = Qt::AlignLeft;
};

template <typename Controls, std::size_t N> using LayoutTable = std::array<ControlRow<Controls>, N>;

// Creates a window's controls from its layout table. Rows are in tab order; labels never take
// the focus and no control passes mouse presses on to the window beneath it.
class LayoutBuilder {
public:
    static QRect toPixels(int left, int top, int width, int height);
    template <typename Controls> static QRect toPixels(const ControlRow<Controls>& row)
    {
        return toPixels(row.left, row.top, row.width, row.height);
    }

    template <typename Controls, std::size_t N>
    static Controls build(QWidget& form, const LayoutTable<Controls, N>& table)
    {
        Controls controls{};
        QWidget* previous = nullptr;
        for (const ControlRow<Controls>& row : table) {
            QWidget* control = std::visit(
                [&](auto member) -> QWidget* {
                    auto* widget = create(controls.*member, form, row);
                    controls.*member = widget;
                    return widget;
                },
                row.control);
            place(*control, toPixels(row), previous);
        }
        return controls;
    }

    // The row that creates a control, for finding it from outside the window.
    template <typename Controls, std::size_t N, typename Widget>
    static constexpr const ControlRow<Controls>& row(const LayoutTable<Controls, N>& table,
                                                     Widget* Controls::*member)
    {
        for (const ControlRow<Controls>& row : table)
            if (const auto* held = std::get_if<Widget * Controls::*>(&row.control);
                held && *held == member)
                return row;
        throw "no such control";
    }

    // Sizes the window's client area and centres its outer frame on the screen's work area,
    // once more when the window manager has framed it and the frame's size is known.
    static void centreOnScreen(QWidget& window, QSize client);

private:
    template <typename Widget, typename Row>
    static Widget* create(Widget*, QWidget& form, const Row& row)
    {
        auto* widget = new Widget(&form);
        prepare(*widget, QString::fromUtf8(row.text), row.align);
        return widget;
    }
    static void prepare(QPushButton& button, const QString& text, Qt::Alignment);
    static void prepare(QLabel& label, const QString& text, Qt::Alignment align);
    static void prepare(QComboBox& combo, const QString& text, Qt::Alignment);
    static void prepare(PictureBox& picture, const QString& text, Qt::Alignment);
    static void place(QWidget& control, QRect pixels, QWidget*& previousInTabOrder);
};
