#include "platform/clicklabel.h"
#include "platform/layoutbuilder.h"
#include "platform/qtmessageboxservice.h"
#include "support/modalinterceptor.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <array>

namespace {

constexpr std::array<ControlSpec, 5> table = {{
    {"first", ControlKind::Button, "一(&F)", 150, 300, 975, 375},
    {"caption", ControlKind::Label, "見出し", 0, 0, 600, 255, Qt::AlignHCenter},
    {"link", ControlKind::ClickLabel, "リンク", 1500, 0, 600, 255},
    {"choice", ControlKind::ComboBox, "1", 1500, 1500, 615, 300},
    {"last", ControlKind::Button, "二", 3000, 3000, 975, 375},
}};

} // namespace

class LayoutBuilderTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void placesControlsInPixelsFromTwips();
    void tabOrderFollowsTheTableAndSkipsLabels();
    void enterPressesTheFocusedButton();
    void comboBoxesAreEditableAndKeepTheirList();
    void clickLabelClicksOnALeftPressAndReleaseOnIt();
    void messageBoxHasTheCaptionOkOnlyAndNoIcon();

private:
    QWidget* form = nullptr;
};

void LayoutBuilderTest::init()
{
    form = new QWidget;
    form->resize(400, 300);
    LayoutBuilder::build(*form, table);
    form->show();
    QVERIFY(QTest::qWaitForWindowActive(form));
}

void LayoutBuilderTest::cleanup()
{
    delete form;
}

void LayoutBuilderTest::placesControlsInPixelsFromTwips()
{
    QCOMPARE(form->findChild<QWidget*>("first")->geometry(), QRect(10, 20, 65, 25));
    QCOMPARE(form->findChild<QWidget*>("choice")->geometry(), QRect(100, 100, 41, 20));
    auto* caption = form->findChild<QLabel*>("caption");
    QCOMPARE(caption->alignment(), Qt::AlignHCenter | Qt::AlignTop);
    QCOMPARE(caption->text(), "見出し");
    for (QWidget* control : form->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        QVERIFY(control->testAttribute(Qt::WA_NoMousePropagation));
}

void LayoutBuilderTest::tabOrderFollowsTheTableAndSkipsLabels()
{
    form->findChild<QWidget*>("first")->setFocus();
    QStringList order;
    for (int i = 0; i < 3; ++i) {
        QTest::keyClick(form->windowHandle(), Qt::Key_Tab);
        order << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(order, QStringList({"choice", "last", "first"}));
}

void LayoutBuilderTest::enterPressesTheFocusedButton()
{
    auto* last = form->findChild<QPushButton*>("last");
    QSignalSpy clicked(last, &QPushButton::clicked);
    last->setFocus();
    QTest::keyClick(form->windowHandle(), Qt::Key_Return);
    QCOMPARE(clicked.count(), 1);
}

void LayoutBuilderTest::comboBoxesAreEditableAndKeepTheirList()
{
    auto* choice = form->findChild<QComboBox*>("choice");
    choice->addItems({"1", "2"});
    choice->setEditText("1");
    choice->setFocus();
    QTest::keyClick(form->windowHandle(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(choice->lineEdit(), "45");
    QTest::keyClick(form->windowHandle(), Qt::Key_Return);
    QCOMPARE(choice->currentText(), "45");
    QCOMPARE(choice->count(), 2); // typing never adds to the list
}

void LayoutBuilderTest::clickLabelClicksOnALeftPressAndReleaseOnIt()
{
    auto* link = form->findChild<ClickLabel*>("link");
    QCOMPARE(link->focusPolicy(), Qt::NoFocus);
    QSignalSpy clicked(link, &ClickLabel::clicked);
    const QPoint on = link->geometry().center();
    QTest::mouseClick(form->windowHandle(), Qt::LeftButton, {}, on);
    QCOMPARE(clicked.count(), 1);
    QTest::mouseClick(form->windowHandle(), Qt::RightButton, {}, on + QPoint(1, 0));
    QCOMPARE(clicked.count(), 1);
    // Pressed on the label, let go elsewhere: no click.
    QTest::mousePress(form->windowHandle(), Qt::LeftButton, {}, on + QPoint(2, 0));
    QTest::mouseMove(form->windowHandle(), QPoint(300, 250));
    QTest::mouseRelease(form->windowHandle(), Qt::LeftButton, {}, QPoint(300, 250));
    QCOMPARE(clicked.count(), 1);
}

void LayoutBuilderTest::messageBoxHasTheCaptionOkOnlyAndNoIcon()
{
    QtMessageBoxService messages(QStringLiteral("ヌビカ"));
    ModalInterceptor boxes;
    messages.MsgBox("一行目\r\n二行目");
    QVERIFY(boxes.waitForBox());
    const ModalInterceptor::Box& shown = boxes.boxes().first();
    QCOMPARE(shown.title, "ヌビカ");
    QCOMPARE(shown.text, "一行目\r\n二行目");
    QCOMPARE(shown.icon, QMessageBox::NoIcon);
    QCOMPARE(shown.buttons, QMessageBox::Ok);
}

QTEST_MAIN(LayoutBuilderTest)
#include "tst_layoutbuilder.moc"
