// The yardstick for start-up: a bare Qt main window of the studio's size
// that quits once it has painted.
#include <QApplication>
#include <QMainWindow>
#include <QTimer>

#include <cstdio>

class Bare : public QMainWindow {
protected:
    void paintEvent(QPaintEvent* e) override
    {
        QMainWindow::paintEvent(e);
        std::fprintf(stderr, "first paint\n");
        std::fflush(stderr);
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    }
};

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    Bare w;
    w.setFixedSize(594, 432);
    w.show();
    return app.exec();
}
