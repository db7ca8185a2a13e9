// A Qt window that follows the pointer and draws nothing: what the drawing benchmark measures the
// program against. It is sent every pointer sample and handles it as the program does, but only
// keeps the position. Its client size is given: barewindow WIDTH HEIGHT.
#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

namespace {

class BareWindow : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override {}
    void mousePressEvent(QMouseEvent* event) override { last = event->position(); }
    void mouseMoveEvent(QMouseEvent* event) override { last = event->position(); }

private:
    QPointF last;
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // As the program: the X11 back end merges motion unless told not to once it is made.
    QCoreApplication::setAttribute(Qt::AA_CompressHighFrequencyEvents, false);
    if (argc != 3)
        return 2;
    BareWindow window;
    window.setWindowTitle(QStringLiteral("barewindow"));
    window.setMouseTracking(true);
    window.resize(QByteArray(argv[1]).toInt(), QByteArray(argv[2]).toInt());
    window.show();
    return app.exec();
}
