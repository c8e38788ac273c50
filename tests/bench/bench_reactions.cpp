// How long the game takes to answer each kind of press: from the input reaching Qt to the frame
// that shows the answer handed to the window system (for a peg taken, to the pointer changed).
// The input goes in where the window system's own events enter Qt, so every platform runs the
// same path from there on. Before the first press the program waits until it has done all the
// work it starts by itself and sits idle, as it does by the time a player's hand gets there.
//
//   bench_reactions about|help|question|play
//
// about, help and question answer that press twice, the window closed between; play fills the
// pattern of blue pegs row by row, which ends in the greeting. Each reaction prints a line
// "NAME MILLISECONDS"; under callgrind each is also dumped as a profile of its own, named by the
// reaction, with the work of every thread from the input on. The work from the first frame until
// the program is idle is printed as "after-first-frame" with its processor time.

#include "dialogs/MessageBoxFrame.h"
#include "game/Colours.h"
#include "platform/QtPlatform.h"
#include "shell/Main.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QTimer>
#include <array>
#include <cstdio>
#include <ctime>
#include <deque>
#include <functional>
#include <qpa/qwindowsysteminterface.h>
#include <valgrind/callgrind.h>

namespace {

// The game's platform with a code that always holds blue, so that each row of the pattern earns
// a key peg and is drawn anew when confirmed.
class BenchPlatform final : public Platform
{
public:
    QtPlatform real;

    double timeOfDay() const override { return real.timeOfDay(); }
    void seedRandom(double) override {}
    // Blue, then the colours after it: four different ones.
    double nextRandom() override
    {
        return ((Colour::blue - Colour::firstPeg + m_drawn++) % 6 + 0.5) / 6;
    }
    void showMessage(const QString& text) override { real.showMessage(text); }
    Answer askYesNoCancel(const QString& text) override { return real.askYesNoCancel(text); }
    void setPointer(int colour) override { real.setPointer(colour); }
    QByteArray runningExecutable() const override { return real.runningExecutable(); }
    NewGameStart startNewGameAndWaitForWindow(const QByteArray& path) override
    {
        return real.startNewGameAndWaitForWindow(path);
    }
    [[noreturn]] void endProgram() override { real.endProgram(); }

private:
    int m_drawn = 0;
};

// The holes that the greeting's pattern fills, row by row.
constexpr std::array<std::array<int, 2>, 6> patternColumns = {
    {{1, 2}, {1, 3}, {1, 4}, {1, 4}, {1, 3}, {1, 2}}};

double processSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

QWidget* shownWindowNamed(const char* className)
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible() && widget->inherits(className))
            return widget;
    }
    return nullptr;
}

// Runs the steps one after the other; a step that waits for a frame ends when the watched
// window has painted and control is back in the event loop, so the painting has been handed
// to the window system.
class Reactions : public QObject
{
public:
    using Shows = std::function<bool(QObject* receiver, QEvent::Type type)>;

    explicit Reactions(Main& window) : m_window(window) { qApp->installEventFilter(this); }

    // Measures the work the program does by itself from its first frame until it sits idle, in
    // processor time of all its threads, then goes on.
    void afterFirstFrameThen(std::function<void()> next)
    {
        m_shows = [this](QObject* receiver, QEvent::Type type) {
            return receiver == &m_window && type == QEvent::Paint;
        };
        m_afterFirstFrame = [this, next] {
            CALLGRIND_ZERO_STATS;
            const double start = processSeconds();
            settleThen([start, next] {
                CALLGRIND_DUMP_STATS_AT("after-first-frame");
                std::printf("after-first-frame %.3f\n", (processSeconds() - start) * 1000);
                std::fflush(stdout);
                next();
            });
        };
    }

    void settleThen(std::function<void()> next)
    {
        m_lastCpu = processSeconds();
        QTimer::singleShot(settleStep, this, [this, next] { checkSettled(next); });
    }

    // Gives the input, then waits for the first event that Shows the answer.
    void measure(const char* name, const std::function<void()>& input, Shows shows,
                 std::function<void()> next)
    {
        m_name = name;
        m_shows = std::move(shows);
        m_next = std::move(next);
        CALLGRIND_ZERO_STATS;
        m_clock.start();
        input();
    }

    void click(QPoint at) const
    {
        press(at);
        release(at);
    }
    void press(QPoint at) const { mouse(at, Qt::LeftButton, QEvent::MouseButtonPress); }
    void release(QPoint at) const { mouse(at, Qt::NoButton, QEvent::MouseButtonRelease); }

protected:
    bool eventFilter(QObject* receiver, QEvent* event) override
    {
        if (m_shows && m_shows(receiver, event->type())) {
            m_shows = nullptr;
            QMetaObject::invokeMethod(
                this,
                [this] {
                    if (m_afterFirstFrame)
                        std::exchange(m_afterFirstFrame, nullptr)();
                    else
                        shown();
                },
                Qt::QueuedConnection);
        }
        return false;
    }

private:
    static constexpr int settleStep = 300;

    void checkSettled(const std::function<void()>& next)
    {
        const double cpu = processSeconds();
        // Idle: less than a hundredth of the time used in the last step.
        if (cpu - m_lastCpu < settleStep / 1000.0 / 100) {
            next();
            return;
        }
        settleThen(next);
    }

    void shown()
    {
        const double ms = static_cast<double>(m_clock.nsecsElapsed()) / 1e6;
        CALLGRIND_DUMP_STATS_AT(m_name);
        std::printf("%s %.3f\n", m_name, ms);
        std::fflush(stdout);
        settleThen(std::exchange(m_next, nullptr));
    }

    void mouse(QPoint at, Qt::MouseButtons buttons, QEvent::Type type) const
    {
        QWindow* window = m_window.windowHandle();
        QWindowSystemInterface::handleMouseEvent(window, at, window->mapToGlobal(at), buttons,
                                                 Qt::LeftButton, type);
    }

    Main& m_window;
    const char* m_name = "";
    Shows m_shows;
    std::function<void()> m_next;
    std::function<void()> m_afterFirstFrame;
    QElapsedTimer m_clock;
    double m_lastCpu = 0;
};

QPoint centreOf(const Main& window, ElementId id)
{
    return window.board()[id].rect.center();
}

// A paint of a window of that class: the first one is its first frame.
Reactions::Shows paintOf(const char* className)
{
    return [className](QObject* receiver, QEvent::Type type) {
        const auto* widget = qobject_cast<QWidget*>(receiver);
        return type == QEvent::Paint && widget && widget->window()->inherits(className);
    };
}

Reactions::Shows paintOf(const Main& window)
{
    return [&window](QObject* receiver, QEvent::Type type) {
        return type == QEvent::Paint && receiver == &window;
    };
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QString sequence = argc == 3 ? QString::fromLatin1(argv[1]) : QString();
    const QStringList blue = argc == 3 ? QString::fromLatin1(argv[2]).split(u',') : QStringList();
    if (blue.size() != 2 || !QStringList{"about", "help", "question", "play"}.contains(sequence)) {
        std::fprintf(stderr, "usage: bench_reactions about|help|question|play BLUE-X,BLUE-Y\n");
        return 2;
    }
    const QPoint blueSpot(blue[0].toInt(), blue[1].toInt());
    BenchPlatform platform;
    Main window(platform);
    platform.real.setMainWindow(&window, frameMessageBox);
    Reactions reactions(window);
    window.show();
    std::deque<std::function<void()>> steps;
    const auto nextStep = [&steps] {
        if (steps.empty()) {
            QCoreApplication::exit(0);
            return;
        }
        auto step = std::move(steps.front());
        steps.pop_front();
        step();
    };
    const auto closeShown = [&](const char* className) {
        steps.emplace_back([&, className] {
            if (QWidget* shown = shownWindowNamed(className))
                shown->close();
            reactions.settleThen(nextStep);
        });
    };
    const auto twice = [&](const char* first, const char* second, const char* button,
                           const char* className) {
        for (const char* name : {first, second}) {
            steps.emplace_back([&, name, button, className] {
                reactions.measure(
                    name, [&, button] { reactions.click(centreOf(window, Board::find(button))); },
                    paintOf(className), nextStep);
            });
            closeShown(className);
        }
    };
    if (sequence == QLatin1String("about"))
        twice("about-first", "about-second", "about", "frmAbout");
    else if (sequence == QLatin1String("help"))
        twice("help-first", "help-second", "help", "helpme");
    else if (sequence == QLatin1String("question"))
        twice("question-first", "question-later", "kon", "QMessageBox");
    for (int row = 1; sequence == QLatin1String("play") && row <= 6; ++row) {
        for (const int column : patternColumns.at(row - 1)) {
            steps.emplace_back([&, row, column] {
                reactions.measure(
                    row == 1 && column == 1 ? "take-first" : "take",
                    [&] { reactions.press(blueSpot); },
                    [&](QObject* receiver, QEvent::Type type) {
                        return receiver == &window && type == QEvent::CursorChange;
                    },
                    nextStep);
            });
            steps.emplace_back([&] {
                reactions.release(blueSpot);
                reactions.settleThen(nextStep);
            });
            steps.emplace_back([&, row, column] {
                reactions.measure(
                    row == 1 && column == 1 ? "place-first" : "place",
                    [&, row, column] {
                        reactions.click(centreOf(window, Board::clickTarget(row, column)));
                    },
                    paintOf(window), nextStep);
            });
        }
        const QPoint confirm = centreOf(window, Board::find("ok", 6 - row));
        steps.emplace_back([&, row, confirm] {
            reactions.measure(
                row == 1  ? "confirm-first"
                : row < 6 ? "confirm"
                          : "greeting",
                [&, confirm] { reactions.click(confirm); },
                row < 6 ? paintOf(window) : paintOf("QMessageBox"), nextStep);
        });
        if (row == 6)
            closeShown("QMessageBox");
    }
    reactions.afterFirstFrameThen(nextStep);
    return app.exec();
}
