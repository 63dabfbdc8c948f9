// The anchor of the window benches: one plain QWidget of the catalog
// window's size, titled "Bare Qt window". With the argument "timer" it runs
// an empty 10 ms timer as well, the least a hover test can cost.
#include <QApplication>
#include <QTimer>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget w;
    w.setWindowTitle(QStringLiteral("Bare Qt window"));
    w.resize(620, 420);
    w.show();
    QTimer t;
    if (argc > 1 && QByteArray(argv[1]) == "timer") {
        t.setInterval(10);
        QObject::connect(&t, &QTimer::timeout, [] {});
        t.start();
    }
    return app.exec();
}
