#include "print_dialog/print1.h"

#include "widgets/japanesefont.h"
#include "widgets/windowicon.h"

#include <QLabel>
#include <QPushButton>

print1::print1(QWidget* parent)
    : QWidget(parent)
    , ui(LayoutBuilder::build(*this, print1Layout))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("印刷確認"));
    setWindowIcon(WindowIcon::load(QStringLiteral(":/pictures/computer")));
    QFont font = JapaneseFont::withFace(QStringLiteral("ＭＳ Ｐゴシック"));
    font.setPointSize(12);
    font.setWeight(QFont::Normal);
    ui.lblprint->setFont(font);

    connect(ui.cmdok, &QPushButton::clicked, this, &print1::cmdok_Click);
    connect(ui.cmdcancel, &QPushButton::clicked, this, &print1::cmdcancel_Click);

    // No owner to centre on, so the screen.
    LayoutBuilder::centreOnScreen(*this,
                                  LayoutBuilder::toPixels(0, 0, print1Width, print1Height).size());
    ui.cmdok->setFocus();
}

void print1::cmdok_Click()
{
    emit printMainWindowRequested();
    emit mainWindowRequested();
}

void print1::cmdcancel_Click()
{
    emit mainWindowRequested();
}
