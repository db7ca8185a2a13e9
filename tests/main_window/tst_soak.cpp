#include "main_window/form1.h"
#include "soak.h"

#include <QTest>

// A long session of valid strokes must neither crash nor let memory creep up.
class TestSoak : public QObject {
    Q_OBJECT
private slots:
    void hundredThousandEventsKeepMemoryBounded();
};

void TestSoak::hundredThousandEventsKeepMemoryBounded()
{
    Soak::Messages messages;
    Form1 form(messages);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const QSize canvas = form.canvas().image().size();

    const Soak::Figures figures = Soak::run(form, 100000);

    qInfo("%lld events, %.0f events/s, resident %.1f -> %.1f MiB, canvas %.1f MiB", figures.events,
          figures.eventsPerSecond(), figures.residentStart / 1048576.0,
          figures.residentEnd / 1048576.0, figures.canvasBytes / 1048576.0);
    QCOMPARE(figures.events, 100000);
    QCOMPARE(figures.clears, 10);
    QCOMPARE(messages.shown, 0);
    QVERIFY(!form.penDown());
    QCOMPARE(form.canvas().image().size(), canvas);
#if defined(__SANITIZE_ADDRESS__)
    QSKIP("the address sanitizer keeps freed memory in quarantine; resident size means nothing");
#else
    QVERIFY(figures.residentStart > 0);
    QVERIFY2(figures.residentEnd - figures.residentStart <= figures.canvasBytes,
             "resident memory grew by more than the canvas");
#endif
}

QTEST_MAIN(TestSoak)
#include "tst_soak.moc"
