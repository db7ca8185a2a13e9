// The built program under a window manager, printing on a private CUPS server (with-cups).
#include "app/application.h"
#include "record/applicationrecord.h"
#include "support/xsession.h"

#include <QBitmap>
#include <QDir>
#include <QPainter>
#include <QScopeGuard>
#include <QScreen>
#include <QTest>
#include <QtMath>
#include <csignal>

namespace {

const bool wine = qEnvironmentVariableIsSet("NUBIKA_WINE_PROBE"); // run-under-wine's build
const QString title = QString::fromUtf8(ApplicationRecord::title);
const QColor blue(0, 0, 128); // colour 1
const QString aboutTitle = title + "のﾊﾞｰｼﾞｮﾝ情報";
const QSize clientSize = LayoutBuilder::toPixels(0, 0, form1Width, form1Height).size();
const QRect aboutPlace =
    LayoutBuilder::toPixels(frmAboutLeft, frmAboutTop, frmAboutWidth, frmAboutHeight);

} // namespace

class EndToEnd : public QObject {
    Q_OBJECT
    std::optional<XSession> session;
    QString main;
    static QRect place(const auto& t, auto m)
    {
        return LayoutBuilder::toPixels(LayoutBuilder::row(t, m));
    }
    QImage shown(auto control) { return XSession::shot(main).copy(place(form1Layout, control)); }

    // Colour 1 just where Qt's painter puts a dot and lines through the path with a round pen.
    bool drawn(const QList<QPoint>& path, int width = 1, QColor colour = blue)
    {
        QImage reference(clientSize, QImage::Format_RGB32);
        reference.fill(Qt::white);
        QPainter painter(&reference);
        painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPoint(QPointF(path.first()));
        for (qsizetype i = 1; i < path.size(); ++i)
            painter.drawLine(QPointF(path[i - 1]), QPointF(path[i]));
        return XSession::shot(main).createMaskFromColor(blue.rgb()) ==
               reference.createMaskFromColor(blue.rgb());
    }

    // Moves on once the press has passed the window manager (which holds back moves after it),
    // with the program stopped, so that the whole stroke waits for it in one queue.
    void stroke(const QList<QPoint>& path)
    {
        const auto signal = [&](int s) { wine ? 0 : ::kill(session->program.processId(), s); };
        // Windows merges the moves waiting in a program's queue: there, one at a time, as drawn.
        for (qsizetype i = 0; i < (wine ? path.size() - 1 : 1); ++i) {
            XSession::move(main, {path[i]}, i ? "" : "mousedown");
            QTRY_COMPARE(XSession::shot(main).pixelColor(path[i]), blue);
        }
        signal(SIGSTOP);
        XSession::move(main, path.mid(wine ? path.size() - 1 : 1), "mouseup");
        signal(SIGCONT);
    }

private slots:
    void init() { QVERIFY(!(main = session.emplace().window(title)).isEmpty()); }
    void cleanup() { session.reset(); }

    void drawRefuseClearEnd()
    {
        // Japanese glyphs, each its own, in the caption of the width box: no blanks, no boxes.
        const auto japanese = [&] {
            const QImage caption = shown(&Form1Controls::lblsenn);
            QList<QImage> glyphs = {caption.copy(0, 0, 12, caption.height())};
            glyphs[0].fill(caption.pixel(0, caption.height() - 1)); // a blank
            for (int i = 0; i < 4; ++i)
                glyphs << caption.copy(i * 12, 0, 12, caption.height());
            return std::ranges::all_of(glyphs, [&](auto& g) { return glyphs.count(g) == 1; });
        };
        QTRY_VERIFY(japanese());
        QCOMPARE(session->owner(main), "-"); // a taskbar button of its own
        // Framed, and centred within a pixel (under Wine, Windows would centre a frame of its own).
        const QRectF work = QGuiApplication::primaryScreen()->availableGeometry();
        const auto off = [&] { return QRectF(XSession::frame(main)).center() - work.center(); };
        QTRY_VERIFY(wine || (qAbs(off().x()) <= 1 && qAbs(off().y()) <= 1));
        QVERIFY(wine || XSession::frame(main).top() < XSession::client(main).top());
        // Every sample drawn, long strides and short ones alike, however the moves queue up.
        QList<QPoint> line = {{100, 100}, {200, 150}, {300, 150}, {400, 250}};
        for (int i = 0; !wine && i <= 460; ++i) {
            const qreal a = qDegreesToRadians(qreal(i));
            line << (i < 100 ? QPoint(i % 2 ? 450 : 150, 60 + 3 * i)
                             : QPointF(325 + 150 * qCos(a), 220 + 150 * qSin(a)).toPoint());
        }
        stroke(line);
        QTRY_VERIFY(drawn(line));
        const QImage time = shown(&Form1Controls::lbltime);
        QTRY_VERIFY(shown(&Form1Controls::lbltime) != time); // the clock ticks
        XSession::click(main, place(form1Layout, &Form1Controls::lblhelp));
        QVERIFY(session->messageBox(main, "半角文字数字で線の太さと線の色を入力します"));
        // A width of 0 at a press and a colour of 16 at a move are refused, and the box shows 1.
        for (auto [box, keys, message] :
             {std::tuple{&Form1Controls::cbosenn, "ctrl+a 0", "線の太さNoが0です"},
              {&Form1Controls::cboIro, "ctrl+a 1 6", "色の種類Noは15までです"}}) {
            const QImage showing1 = shown(box);
            XSession::click(main, place(form1Layout, box).adjusted(0, 0, -24, 0));
            XSession::xdotool(("key " + QString(keys)).split(' '));
            XSession::move(main, {{300, 300}}, box == &Form1Controls::cbosenn ? "click" : "");
            QVERIFY(session->messageBox(main, message));
            XSession::click(main, place(form1Layout, &Form1Controls::cmdclr)); // the focus away
            QTRY_COMPARE(shown(box), showing1);
        }
        QTRY_VERIFY(drawn(line, 1, Qt::white)); // by Clear, clicked last
        XSession::click(main, place(form1Layout, &Form1Controls::cmdend));
        QVERIFY(session->program.waitForFinished(5000) && session->program.exitCode() == 0);
    }

    void print_data()
    {
        QTest::addColumn<QStringList>("steps"); // after Print: keys, "box", commands, "print"
        QTest::addColumn<int>("pdfs");
        for (const auto& [name, steps, pdfs] :
             {std::tuple{"Enter at once", "Return", 1},
              {"OK twice", "Return;print;Return", 2},
              {"Cancel", "alt+c;print;alt+p", 1},
              {"Esc leaves it open", "Escape;Return", 1},
              {"server stopped", "with-cups stop;Return;box;with-cups start;print;Return", 1},
              {"no printers", "lpadmin -x PDF;Return;box;with-cups add-queue;print;Return", 1},
              {"rejecting jobs", "cupsreject PDF;Return;box;cupsaccept PDF;print;Return", 1},
              {"disabled", "cupsdisable PDF;Return;box;cupsenable PDF;print;Return", 1}})
            QTest::newRow(name) << ("print;" + QString(steps)).split(';') << pdfs;
    }

    // Each job is sent before the main window comes back, the newest with a wide stroke in it.
    void print()
    {
        QFETCH(QStringList, steps);
        QFETCH(int, pdfs);
        if (wine && steps.join(';').contains(' '))
            QSKIP("Under Wine, printer trouble is Wine's spooler's, not the program's");
        QCOMPARE(QProcess::execute("with-cups", {"reset"}), 0);       // whatever the last row left
        const QString spool = qEnvironmentVariable("NUBIKA_PDF_DIR"); // the jobs' files, in order
        const auto jobs = [&] { return QDir(spool, "d*-001").entryList(); };
        XSession::click(main, place(form1Layout, &Form1Controls::cbosenn).adjusted(0, 0, -24, 0));
        XSession::xdotool({"key", "ctrl+a", "9"}); // into the width box
        stroke({{150, 150}, {450, 330}});
        QTRY_VERIFY(drawn({{150, 150}, {450, 330}}, 9)); // with round ends
        QString dialog;
        for (const QString& step : steps) {
            if (step == "print") {
                QCOMPARE(session->window(title), main); // in front, for the dialog to get the keys
                XSession::click(main, place(form1Layout, &Form1Controls::cmdprint));
                dialog = session->window("印刷確認"); // still open at the end, checked below
                QCOMPARE(session->owner(dialog), "-");
            } else if (step == "box")
                QVERIFY(session->messageBox(dialog));
            else if (step.contains(' '))
                QCOMPARE(QProcess::execute("sh", {"-c", step}), 0);
            else
                XSession::xdotool({"key", step});
        }
        QCOMPARE(session->window(title), main);
        QTRY_COMPARE(jobs().size(), pdfs);
        QCOMPARE(session->windows("印刷確認"), QStringList{dialog});
        const QString pdf = spool + "/" + jobs().last(); // or PostScript, from Wine's driver
        QCOMPARE(
            QProcess::execute("gs", {"-q", "-r50", "-sDEVICE=png16m", "-o", pdf + ".png", pdf}), 0);
        // Windows' driver turns a landscape page itself.
        const QImage page = QImage(pdf + ".png").transformed(QTransform().rotate(wine ? 90 : 0));
        const QRect window = QRegion(QBitmap::fromImage(page.createHeuristicMask())).boundingRect();
        const qreal scale = window.width() / qreal(clientSize.width());
        QVERIFY(qAbs(window.height() - clientSize.height() * scale) < 3);
        // Landscape, centred, and as large as the printer's margins (a few pixels here) allow.
        const QPointF off = QRectF(window).center() - QRectF(page.rect()).center();
        QVERIFY(page.width() > page.height() && qMin(window.left(), window.top()) < 16);
        QVERIFY(qAbs(off.x()) < 1.5 && qAbs(off.y()) < 1.5);
        const QColor stroke = page.pixelColor(window.topLeft() + QPoint(300, 240) * scale);
        QVERIFY(stroke.blue() > 100 && qMax(stroke.red(), stroke.green()) < 32); // colour 1
        // The whole window: dark text at each control (the date and time are blank until a tick).
        for (const auto& row : form1Layout) {
            const QRectF at = LayoutBuilder::toPixels(row);
            const QImage shown = page.copy(
                QRectF(window.topLeft() + at.topLeft() * scale, at.size() * scale).toRect());
            bool text = !*row.text;
            for (int i = 0; i < shown.width() * shown.height(); ++i)
                text |= qGray(shown.pixel(i % shown.width(), i / shown.width())) < 64;
            QVERIFY2(text, row.text);
        }
    }

    void aboutAndSystemInformation_data()
    {
        QTest::addColumn<QString>("value"); // under Wine, the value naming the tool or its folder
        QTest::addColumn<bool>("hidden");
        QTest::newRow("named") << "PATH" << false;
        QTest::newRow("in its folder") << "MSINFO" << false;
        QTest::newRow("hidden in its folder") << "MSINFO" << true;
    }

    // The tool is looked up at each click: none at the first, one installed meanwhile at the next.
    void aboutAndSystemInformation()
    {
        QFETCH(QString, value);
        QFETCH(bool, hidden);
        if (!wine && value == "MSINFO")
            QSKIP("Only Windows' registry names the tool's folder");
        const QTemporaryDir dir;
        const auto back = qScopeGuard([at = QDir::currentPath()] { QDir::setCurrent(at); });
        QVERIFY(QDir::setCurrent(dir.path())); // where the program starts
        // On Windows the registry names the tool; a Unix program stands in for it there.
        const QString folder = dir.filePath("ツール 情報");
        const QString tool = folder + (!wine             ? "/kinfocenter"
                                       : value == "PATH" ? "/msinfo32"
                                                         : "/MSINFO32.EXE");
        // A stand-in that writes out the environment it was started with (not on its PATH).
        const auto install = [](const QString& file, const char* mode) {
            const char* script =
                R"x(mkdir -p "$(dirname "$0")" && printf '#!/bin/sh\n/usr/bin/env )x"
                R"x(>"$0.env"; /bin/mv "$0.env" "$0.ran"\n' >"$0" && chmod $1 "$0")x";
            return QProcess::execute("sh", {"-c", script, file, mode}) == 0;
        };
        // Before it, tools in a relative folder, the current one (empty entry), and one not to run.
        const QString path =
            wine ? qEnvironmentVariable("PATH") : "run::" + dir.filePath("not") + ':' + folder;
        QVERIFY(wine || (install("run/kinfocenter", "700") && install("kinfocenter", "700") &&
                         install("not/kinfocenter", "600")));
        const auto run = [](QStringList a) { return !wine || !QProcess::execute("wine", a); };
        const QString key = R"(HKLM\SOFTWARE\Microsoft\Shared Tools)";
        const auto windows = [](QString path) { return "Z:" + path.replace('/', '\\'); };
        for (const char* sub : {R"(\MSINFO)", " Location"}) // whatever the last row left
            run({"reg", "delete", key + sub, "/f"});
        QVERIFY(!(main = session.emplace(path).window(title)).isEmpty());
        XSession::click(main, place(form1Layout, &Form1Controls::lblver));
        const QString about = session->window(aboutTitle);
        QTRY_COMPARE(XSession::client(about), aboutPlace);
        QCOMPARE(session->owner(about), "hidden"); // so no taskbar button of its own
        const QRect sysInfo = place(frmAboutLayout, &frmAboutControls::cmdSysInfo);
        XSession::click(about, sysInfo);
        QVERIFY(session->messageBox(about, "現時点ではｼｽﾃﾑ情報を使用できません"));
        // And one at the path's part before the space, which would run if the path were split.
        QVERIFY(install(tool, "700") && install("ツール", "700"));
        QVERIFY(run({"reg", "add", key + (value == "PATH" ? R"(\MSINFO)" : " Location"), "/v",
                     value, "/d", windows(value == "PATH" ? tool : folder), "/f"}));
        QVERIFY(!hidden || run({"attrib", "+h", windows(tool)}));
        XSession::click(about, sysInfo);
        if (hidden)
            QVERIFY(session->messageBox(about, "現時点ではｼｽﾃﾑ情報を使用できません"));
        else { // the tool gets no setting the program made for itself
            QTRY_VERIFY(QFile::exists(tool + ".ran"));
            const QByteArray env = '\n' + XSession::run("cat", {tool + ".ran"}).toUtf8() + '\n';
            QVERIFY(wine || env.contains("\nPATH=" + QFile::encodeName(path) + '\n'));
            QCOMPARE(env.contains("\nQT_XCB_NO_MITSHM="),
                     qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"));
        }
        // Behind the main window once that is clicked (in Windows' order too), then back in front.
        XSession::click(main, place(form1Layout, &Form1Controls::lblsen));
        QCOMPARE(session->window(title), main);
        const QStringList stack = wine ? XSession::probe().mid(1) : QStringList();
        QVERIFY2(!wine || stack.indexOf(title) < stack.indexOf(aboutTitle),
                 qPrintable(stack.join(", ")));
        XSession::click(main, place(form1Layout, &Form1Controls::lblver));
        QCOMPARE(session->window(aboutTitle), about);
        XSession::xdotool({"key", "Escape"});
        QTRY_VERIFY(session->windows(aboutTitle).isEmpty());
        QCOMPARE(session->program.state(), QProcess::Running);
    }
};

QTEST_MAIN(EndToEnd)
#include "e2e_journeys.moc"
