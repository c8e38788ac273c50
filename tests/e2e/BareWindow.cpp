// The least a Qt program needs for a frameless window of the game's size: the yardstick for
// the game's start-up time.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window(nullptr, Qt::FramelessWindowHint);
    window.setWindowTitle(QStringLiteral("Bare Window"));
    window.setFixedSize(449, 563);
    window.show();
    return app.exec();
}
