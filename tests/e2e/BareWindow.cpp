// The least a Qt program needs for a frameless window of the game's size: the yardstick for
// the game's start-up time and memory. Like the game's test builds, it ends after its first
// frame when VORE_QUIT_AFTER_FIRST_PAINT is set, so that a profiler can count both alike.
#include <QApplication>
#include <QWidget>
#include <cstdlib>

namespace {

class BareWindow : public QWidget
{
public:
    BareWindow() : QWidget(nullptr, Qt::FramelessWindowHint) {}

protected:
    void paintEvent(QPaintEvent*) override
    {
        if (m_painted || !qEnvironmentVariableIsSet("VORE_QUIT_AFTER_FIRST_PAINT"))
            return;
        m_painted = true;
        QMetaObject::invokeMethod(
            this, [] { std::_Exit(EXIT_SUCCESS); }, Qt::QueuedConnection);
    }

private:
    bool m_painted = false;
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    BareWindow window;
    window.setWindowTitle(QStringLiteral("Bare Window"));
    window.setFixedSize(449, 563);
    window.show();
    return app.exec();
}
