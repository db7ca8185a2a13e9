// A Qt window that follows the pointer and draws nothing: what the drawing benchmark measures the
// program against. Its client size is given: barewindow WIDTH HEIGHT.
#include <QApplication>
#include <QWidget>

namespace {

class BareWindow : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override {}
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc != 3)
        return 2;
    BareWindow window;
    window.setWindowTitle(QStringLiteral("barewindow"));
    window.setMouseTracking(true);
    window.resize(QByteArray(argv[1]).toInt(), QByteArray(argv[2]).toInt());
    window.show();
    return app.exec();
}
