#include "platform/layoutbuilder.h"

#include "platform/clicklabel.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

namespace {

QWidget* create(const ControlSpec& row, QWidget& form)
{
    const QString text = QString::fromUtf8(row.text);
    switch (row.kind) {
    case ControlKind::Button: {
        auto* button = new QPushButton(text, &form);
        // Enter presses the focused button, as Space does.
        button->setAutoDefault(true);
        return button;
    }
    case ControlKind::Label:
    case ControlKind::ClickLabel: {
        auto* label =
            row.kind == ControlKind::Label ? new QLabel(text, &form) : new ClickLabel(text, &form);
        label->setAlignment(row.align | Qt::AlignTop);
        label->setFocusPolicy(Qt::NoFocus);
        // Opaque, so drawings beneath a label stay hidden behind it.
        label->setAutoFillBackground(true);
        return label;
    }
    case ControlKind::ComboBox: {
        auto* combo = new QComboBox(&form);
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->setEditText(text);
        return combo;
    }
    case ControlKind::PictureBox: {
        // A sunken single border around a picture; it takes the focus like a button.
        auto* picture = new QLabel(&form);
        picture->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        picture->setLineWidth(2);
        picture->setAlignment(Qt::AlignCenter);
        picture->setFocusPolicy(Qt::StrongFocus);
        return picture;
    }
    }
    return nullptr;
}

} // namespace

QRect LayoutBuilder::toPixels(int left, int top, int width, int height)
{
    return {left / twipsPerPixel, top / twipsPerPixel, width / twipsPerPixel,
            height / twipsPerPixel};
}

void LayoutBuilder::build(QWidget& form, std::span<const ControlSpec> table)
{
    QWidget* previous = nullptr;
    for (const ControlSpec& row : table) {
        QWidget* control = create(row, form);
        control->setObjectName(QString::fromUtf8(row.name));
        control->setGeometry(toPixels(row.left, row.top, row.width, row.height));
        control->setAttribute(Qt::WA_NoMousePropagation);
        if (control->focusPolicy() == Qt::NoFocus)
            continue;
        if (previous)
            QWidget::setTabOrder(previous, control);
        previous = control;
    }
}

void LayoutBuilder::centreOnScreen(QWidget& form, int width, int height)
{
    const QSize client = toPixels(0, 0, width, height).size();
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    form.setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, client, screen));
}
