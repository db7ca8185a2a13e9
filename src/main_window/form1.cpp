#include "main_window/form1.h"

#include "main_window/clockformat.h"
#include "main_window/qbcolor.h"
#include "main_window/usagehelp.h"
#include "platform/messageboxservice.h"
#include "record/applicationrecord.h"
#include "widgets/clicklabel.h"
#include "widgets/frameupdater.h"
#include "widgets/windowicon.h"

#include <QComboBox>
#include <QLoggingCategory>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

namespace {

// Each paint of the window, for measuring how often it repaints while drawing; off unless
// QT_LOGGING_RULES="nubika.paint.debug=true".
Q_LOGGING_CATEGORY(paintLog, "nubika.paint", QtInfoMsg)

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
    return event.position() * Twips::perPixel;
}

} // namespace

Form1::Form1(MessageBoxService& messages, const ClockService& clock)
    : messages(messages)
    , clock(clock)
    , drawing(palette().color(QPalette::Window))
    , ui(LayoutBuilder::build(*this, form1Layout))
    , updater(new FrameUpdater(*this))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setWindowTitle(QString::fromUtf8(ApplicationRecord::title));
    setWindowIcon(WindowIcon::load(QStringLiteral(":/pictures/brush")));

    fitFont(*ui.lbldate, ClockFormat::date(QDate(2000, 10, 10)));
    fitFont(*ui.lbltime, ClockFormat::time(QTime(10, 0, 0)));
    ui.lblsenn->setBuddy(ui.cbosenn);
    ui.Label1->setBuddy(ui.cboIro);

    connect(ui.cmdclr, &QPushButton::clicked, this, &Form1::cmdclr_Click);
    connect(ui.cmdend, &QPushButton::clicked, this, &Form1::cmdend_Click);
    connect(ui.cmdprint, &QPushButton::clicked, this, &Form1::cmdprint_Click);
    connect(ui.lblver, &ClickLabel::clicked, this, &Form1::lblver_Click);
    connect(ui.lblhelp, &ClickLabel::clicked, this, &Form1::lblhelp_Click);
    connect(&tmrclock, &QTimer::timeout, this, &Form1::tmrclock_Timer);

    LayoutBuilder::centreOnScreen(*this,
                                  LayoutBuilder::toPixels(0, 0, form1Width, form1Height).size());
    drawing.ensureSize(size(), devicePixelRatioF());
    ui.cmdclr->setFocus();

    Form_Load();
}

void Form1::Form_Load()
{
    for (int colour = 0; colour <= 15; ++colour)
        ui.cboIro->addItem(QString::number(colour));
    for (int width = 1; width <= 30; ++width)
        ui.cbosenn->addItem(QString::number(width));
    // The boxes show "1" with no item of their lists chosen.
    for (QComboBox* box : {ui.cboIro, ui.cbosenn}) {
        box->setCurrentIndex(-1);
        box->setEditText(QStringLiteral("1"));
    }
    armClock();
}

// A plain one-second interval drifts late and would skip a second now and then; each tick is
// instead aimed just past the next second boundary.
void Form1::armClock()
{
    tmrclock.setSingleShot(true);
    tmrclock.setTimerType(Qt::PreciseTimer);
    tmrclock.start(ClockFormat::msUntilNextTick(clock.now().time()));
}

void Form1::tmrclock_Timer()
{
    // One reading, so that the date and the time never straddle midnight.
    const QDateTime now = clock.now();
    ui.lbldate->setText(ClockFormat::date(now.date()));
    ui.lbltime->setText(ClockFormat::time(now.time()));
    armClock();
}

void Form1::lblhelp_Click()
{
    messages.show(*this, UsageHelp::text());
}

void Form1::Form_MouseDown(Qt::MouseButton, Qt::KeyboardModifiers, QPointF twips)
{
    pen.press();
    drawing.setPenWidth(accept(Pen::width(ui.cbosenn->currentText()), *ui.cbosenn));
    const int colour = accept(Pen::colour(ui.cboIro->currentText()), *ui.cboIro);
    updater->changed(drawing.dot(twips, QBColor(colour)));
}

void Form1::Form_MouseMove(Qt::MouseButtons, Qt::KeyboardModifiers, QPointF twips)
{
    const QString text = ui.cboIro->currentText();
    const int colour =
        accept(pen.isDown() ? Pen::colour(text) : Pen::hoverColour(text), *ui.cboIro);
    if (pen.isDown())
        updater->changed(drawing.lineTo(twips, QBColor(colour)));
}

void Form1::Form_MouseUp(Qt::MouseButton, Qt::KeyboardModifiers, QPointF)
{
    pen.release();
}

void Form1::cmdclr_Click()
{
    updater->changed(drawing.clear());
}

void Form1::cmdend_Click()
{
    emit endRequested();
}

// The print dialog and the About dialog are the application's to show.
void Form1::cmdprint_Click()
{
    emit printDialogRequested();
}

void Form1::lblver_Click()
{
    emit aboutRequested();
}

// Shows the refusal of an entry, then puts 1 in its box.
int Form1::accept(const Pen::Choice& choice, QComboBox& box)
{
    if (!choice.accepted()) {
        messages.show(*this, choice.error);
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
    qCDebug(paintLog) << event->region().boundingRect();
    drawing.ensureSize(size(), devicePixelRatioF());
    QPainter painter(this);
    drawing.paint(painter, event->region());
}

void Form1::resizeEvent(QResizeEvent* event)
{
    drawing.ensureSize(size(), devicePixelRatioF());
    QWidget::resizeEvent(event);
}
