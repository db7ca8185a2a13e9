#include "about/frmabout.h"

#include "about/sysinfolauncher.h"
#include "record/applicationrecord.h"
#include "widgets/picturebox.h"
#include "widgets/windowicon.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>

frmAbout::frmAbout(SysInfoLauncher& launcher, QWidget* parent)
    : QDialog(parent)
    , launcher(launcher)
    , ui(LayoutBuilder::build(*this, frmAboutLayout))
{
    setAttribute(Qt::WA_DeleteOnClose);
    // A fixed dialog frame: close box only.
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                   Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setWindowTitle(QString::fromUtf8("ﾊﾞｰｼﾞｮﾝ情報"));
    setWindowIcon(WindowIcon::load(QStringLiteral(":/pictures/warning")));

    ui.picIcon->setPicture(QImage(QStringLiteral(":/pictures/box.png")));
    for (QLabel* label : {ui.lblDescription, ui.lblDisclaimer, ui.lblTitle}) {
        QPalette black = label->palette();
        black.setColor(QPalette::WindowText, Qt::black);
        label->setPalette(black);
        label->setWordWrap(true);
    }
    ui.lblVersion->setWordWrap(true);

    ui.cmdOK->setDefault(true);
    connect(ui.cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(ui.cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);

    const QRect client =
        LayoutBuilder::toPixels(frmAboutLeft, frmAboutTop, frmAboutWidth, frmAboutHeight);
    setFixedSize(client.size());
    setGeometry(client);
    ui.cmdOK->setFocus();

    Form_Load();
}

void frmAbout::Form_Load()
{
    const QString title = QString::fromUtf8(ApplicationRecord::title);
    setWindowTitle(title + QString::fromUtf8("のﾊﾞｰｼﾞｮﾝ情報"));
    ui.lblVersion->setText(QString::fromUtf8("ﾊﾞｰｼﾞｮﾝ %1.%2.%3")
                               .arg(ApplicationRecord::major)
                               .arg(ApplicationRecord::minor)
                               .arg(ApplicationRecord::revision));
    ui.lblTitle->setText(title);
}

void frmAbout::cmdOK_Click()
{
    close();
}

void frmAbout::cmdSysInfo_Click()
{
    launcher.StartSysInfo(*this);
}

void frmAbout::paintEvent(QPaintEvent* event)
{
    QDialog::paintEvent(event);
    QPainter painter(this);
    for (const SeparatorLine& line : frmAboutLine1) {
        const QRect from = LayoutBuilder::toPixels(line.x1, line.y1, 0, 0);
        const QRect to = LayoutBuilder::toPixels(line.x2, line.y2, 0, 0);
        painter.fillRect(from.x(), from.y(), to.x() - from.x(), line.pixels,
                         QColor::fromRgb(line.rgb));
    }
}
