#pragma once

#include <QByteArray>
#include <QString>
#include <chrono>
#include <optional>
#include <sys/types.h>
#include <vector>

// A new game tells the game that started it when its window is on the screen, so that the old
// game ends only then and can report a new game that never got there: started where the desktop
// cannot be reached again (a compositor hands its connection to the program it starts, and that
// connection is not handed on), the new game fails before it shows anything. The old game hands
// down the write end of a pipe, named in the new game's environment; the new game writes one
// byte to it after its first frame.
namespace WindowShownNotice {

// The old game's side: a pipe for one new game.
class Wait
{
public:
    Wait();
    Wait(const Wait&) = delete;
    Wait& operator=(const Wait&) = delete;
    ~Wait();

    // This process's environment, with the entry that names the pipe to the new game, as the
    // strings a new process is given; empty when no pipe could be made. Valid while this lives.
    std::vector<char*> environment();
    // Call as soon as the new process is started, or has failed to start: the pipe ends once the
    // new game, and every copy of the write end with it, is gone.
    void started();
    // Waits until the new game has shown its window, and returns nothing then; when it ends
    // before, or has not shown it within the limit, ends it and returns the reason.
    [[nodiscard]] std::optional<QString> untilShown(pid_t game, std::chrono::milliseconds limit);

private:
    int m_readEnd = -1;
    int m_writeEnd = -1;
    QByteArray m_entry;
};

// The new game's side: tells the game that started it, once its first frame is out. Does nothing
// for a game that no other started.
void tellStarter();

} // namespace WindowShownNotice
