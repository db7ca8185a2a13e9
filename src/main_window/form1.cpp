#include "main_window/form1.h"

#include "app/applicationrecord.h"
#include "main_window/brushicon.h"
#include "main_window/clockformat.h"
#include "main_window/form1layout.h"
#include "main_window/qbcolor.h"
#include "main_window/usagehelp.h"
#include "platform/clicklabel.h"
#include "platform/messageboxservice.h"

#include <QComboBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

namespace {

// Shrinks a label's font until the widest text it will show fits its laid-out width.
void fitFont(QLabel& label, const QString& pattern)
{
    QFont font = label.font();
    font.setPixelSize(QFontInfo(font).pixelSize());
    const auto widest = [&font](const QString& text) {
        const QFontMetrics metrics(font);
        int width = 0;
        for (QChar digit = u'0'; digit <= u'9'; digit = QChar(digit.unicode() + 1)) {
            QString sample = text;
            for (QChar& c : sample)
                c = c.isDigit() ? digit : c;
            width = std::max(width, metrics.horizontalAdvance(sample));
        }
        return width;
    };
    while (font.pixelSize() > 8 && widest(pattern) > label.width())
        font.setPixelSize(font.pixelSize() - 1);
    label.setFont(font);
}

QPointF twipsOf(const QMouseEvent& event)
{
    return event.position() * LayoutBuilder::twipsPerPixel;
}

} // namespace

Form1::Form1(MessageBoxService& messages, const ClockService& clock)
    : messages(messages)
    , clock(clock)
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
    lbldate = findChild<QLabel*>("lbldate");
    lbltime = findChild<QLabel*>("lbltime");
    fitFont(*lbldate, ClockFormat::date(QDate(2000, 10, 10)));
    fitFont(*lbltime, ClockFormat::time(QTime(10, 0, 0)));
    findChild<QLabel*>("lblsenn")->setBuddy(cbosenn);
    findChild<QLabel*>("Label1")->setBuddy(cboIro);

    connect(cmdclr, &QPushButton::clicked, this, &Form1::cmdclr_Click);
    connect(cmdend, &QPushButton::clicked, this, &Form1::cmdend_Click);
    connect(cmdprint, &QPushButton::clicked, this, &Form1::cmdprint_Click);
    connect(lblver, &ClickLabel::clicked, this, &Form1::lblver_Click);
    connect(lblhelp, &ClickLabel::clicked, this, &Form1::lblhelp_Click);
    connect(&tmrclock, &QTimer::timeout, this, &Form1::tmrclock_Timer);

    LayoutBuilder::centreOnScreen(*this, form1Width, form1Height);
    drawing.ensureSize(size(), devicePixelRatioF());
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
    armClock();
}

// A plain one-second interval drifts late and would skip a second now and then; each tick is
// instead aimed just past the next second boundary.
void Form1::armClock()
{
    tmrclock.setSingleShot(true);
    tmrclock.setTimerType(Qt::PreciseTimer);
    tmrclock.start(ClockFormat::msUntilNextTick(clock.Time()));
}

void Form1::tmrclock_Timer()
{
    lbldate->setText(ClockFormat::date(clock.Date()));
    lbltime->setText(ClockFormat::time(clock.Time()));
    armClock();
}

void Form1::lblhelp_Click()
{
    messages.MsgBox(UsageHelp::text());
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

// The print dialog and the About dialog are the application's to show.
void Form1::cmdprint_Click()
{
    emit printRequested();
}

void Form1::lblver_Click()
{
    emit aboutRequested();
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
    painter.drawImage(area, image, QRectF(area.topLeft() * ratio, QSizeF(area.size()) * ratio));
}

void Form1::resizeEvent(QResizeEvent* event)
{
    drawing.ensureSize(size(), devicePixelRatioF());
    QWidget::resizeEvent(event);
}
