// The least a Qt widget does to answer the mouse as the game does: a press anywhere but the
// hole takes the next of six pegs as the pointer, a release over the hole drops the peg there
// or lifts it out. The yardstick for the game's input latency.
#include <QApplication>
#include <QCursor>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QWidget>
#include <array>

namespace {

const QRect hole(83, 510, 32, 32);

class BareInput : public QWidget
{
public:
    BareInput() : QWidget(nullptr, Qt::FramelessWindowHint)
    {
        for (std::size_t i = 0; i < m_pegs.size(); ++i) {
            m_pegs[i] = QPixmap(32, 32);
            m_pegs[i].fill(Qt::transparent);
            QPainter painter(&m_pegs[i]);
            painter.setBrush(QColor::fromHsv(int(i) * 60, 200, 220));
            painter.drawEllipse(2, 2, 28, 28);
        }
    }

protected:
    void mousePressEvent(QMouseEvent* event) override
    {
        if (hole.contains(event->position().toPoint()))
            return;
        m_next = (m_next + 1) % m_pegs.size();
        hold(int(m_next));
    }

    void mouseReleaseEvent(QMouseEvent* event) override
    {
        if (!hole.contains(event->position().toPoint()))
            return;
        const int held = m_held;
        hold(m_inHole);
        m_inHole = held;
        update(hole);
    }

    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), palette().window());
        if (m_inHole >= 0)
            painter.drawPixmap(hole.topLeft(), m_pegs[std::size_t(m_inHole)]);
    }

private:
    void hold(int peg)
    {
        m_held = peg;
        if (peg < 0)
            unsetCursor();
        else
            setCursor(QCursor(m_pegs[std::size_t(peg)], 16, 16));
    }

    std::array<QPixmap, 6> m_pegs;
    std::size_t m_next = 0;
    int m_held = -1;
    int m_inHole = -1;
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    BareInput window;
    window.setWindowTitle(QStringLiteral("Bare Input"));
    window.setFixedSize(449, 563);
    window.show();
    return app.exec();
}
