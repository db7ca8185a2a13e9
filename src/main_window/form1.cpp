#include "main_window/form1.h"

#include "app/applicationrecord.h"
#include "main_window/brushicon.h"
#include "main_window/form1layout.h"
#include "main_window/qbcolor.h"
#include "platform/clicklabel.h"
#include "platform/messageboxservice.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

namespace {

QPointF twipsOf(const QMouseEvent& event)
{
    return event.position() * LayoutBuilder::twipsPerPixel;
}

} // namespace

Form1::Form1(MessageBoxService& messages, QWidget* parent)
    : QWidget(parent)
    , messages(messages)
    , drawing(palette().color(QPalette::Window))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setWindowTitle(QString::fromUtf8(ApplicationRecord::title));
    setWindowIcon(BrushIcon::make());

    LayoutBuilder::build(*this, form1Layout);
    cmdclr = findChild<QPushButton*>("cmdclr");
    cmdend = findChild<QPushButton*>("cmdend");
    cmdprint = findChild<QPushButton*>("cmdprint");
    cbosenn = findChild<QComboBox*>("cbosenn");
    cboIro = findChild<QComboBox*>("cboIro");
    lblver = findChild<ClickLabel*>("lblver");
    lblhelp = findChild<ClickLabel*>("lblhelp");
    findChild<QLabel*>("lblsenn")->setBuddy(cbosenn);
    findChild<QLabel*>("Label1")->setBuddy(cboIro);

    connect(cmdclr, &QPushButton::clicked, this, &Form1::cmdclr_Click);
    connect(cmdend, &QPushButton::clicked, this, &Form1::cmdend_Click);
    connect(cmdprint, &QPushButton::clicked, this, &Form1::printRequested);
    connect(lblver, &ClickLabel::clicked, this, &Form1::aboutRequested);

    const QSize client = LayoutBuilder::toPixels(0, 0, form1Width, form1Height).size();
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, client, screen));
    drawing.ensureSize(client, devicePixelRatioF());
    cmdclr->setFocus();

    Form_Load();
}

void Form1::Form_Load()
{
    for (int colour = 0; colour <= 15; ++colour)
        cboIro->addItem(QString::number(colour));
    for (int width = 1; width <= 30; ++width)
        cbosenn->addItem(QString::number(width));
    cboIro->setEditText(QStringLiteral("1"));
    cbosenn->setEditText(QStringLiteral("1"));
}

void Form1::Form_MouseDown(Qt::MouseButton, Qt::KeyboardModifiers, QPointF twips)
{
    pen.press();
    drawing.setDrawWidth(accept(Pen::width(cbosenn->currentText()), *cbosenn));
    const int colour = accept(Pen::colour(cboIro->currentText()), *cboIro);
    update(drawing.PSet(twips, QBColor(colour)));
}

void Form1::Form_MouseMove(Qt::MouseButtons, Qt::KeyboardModifiers, QPointF twips)
{
    const int colour = accept(Pen::colour(cboIro->currentText()), *cboIro);
    if (pen.isDown())
        update(drawing.Line(twips, QBColor(colour)));
}

void Form1::Form_MouseUp(Qt::MouseButton, Qt::KeyboardModifiers, QPointF)
{
    pen.release();
}

void Form1::cmdclr_Click()
{
    update(drawing.Cls());
}

void Form1::cmdend_Click()
{
    emit endRequested();
}

// Shows the refusal of an entry, then puts 1 in its box.
int Form1::accept(const Pen::Choice& choice, QComboBox& box)
{
    if (!choice.accepted()) {
        messages.MsgBox(choice.error);
        box.setEditText(QStringLiteral("1"));
    }
    return choice.value;
}

void Form1::mousePressEvent(QMouseEvent* event)
{
    Form_MouseDown(event->button(), event->modifiers(), twipsOf(*event));
}

void Form1::mouseMoveEvent(QMouseEvent* event)
{
    Form_MouseMove(event->buttons(), event->modifiers(), twipsOf(*event));
}

void Form1::mouseReleaseEvent(QMouseEvent* event)
{
    Form_MouseUp(event->button(), event->modifiers(), twipsOf(*event));
}

void Form1::paintEvent(QPaintEvent* event)
{
    drawing.ensureSize(size(), devicePixelRatioF());
    const QImage& image = drawing.image();
    const qreal ratio = image.devicePixelRatio();
    const QRect area = event->rect();
    QPainter painter(this);
    painter.drawImage(area, image,
                      QRectF(area.topLeft() * ratio, QSizeF(area.size()) * ratio));
}

void Form1::resizeEvent(QResizeEvent* event)
{
    drawing.ensureSize(size(), devicePixelRatioF());
    QWidget::resizeEvent(event);
}
