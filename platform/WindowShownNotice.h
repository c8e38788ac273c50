#pragma once

#include "platform/Platform.h"

#include <QByteArray>
#include <chrono>
#include <sys/types.h>
#include <vector>

// A new game tells the game that started it when its window is on the screen, so that the old
// game ends only then and can report a new game that never got there: started where the desktop
// cannot be reached again (a compositor hands its connection to the program it starts, and that
// connection is not handed on), the new game fails before it shows anything. The old game hands
// down the write end of a pipe, named in the new game's environment; the new game writes one
// byte to it after its first frame. Until then the new game's error output goes to a file the
// old game can read, so that the old game can say why a new game failed; with its window shown
// the new game passes that on and takes back the error output it was started with, whose copy
// its environment names.
namespace WindowShownNotice {

// The old game's side: a pipe for one new game.
class Wait
{
public:
    Wait();
    Wait(const Wait&) = delete;
    Wait& operator=(const Wait&) = delete;
    ~Wait();

    // This process's environment, with the entries that name the pipe and the error output to
    // the new game, as the strings a new process is given; without them when no pipe could be
    // made. Valid while this lives.
    std::vector<char*> environment();
    // The file to give the new game as its standard error; -1 when none could be made, and the
    // new game then shares this game's.
    int errorOutput() const { return m_errorOutput; }
    // Call as soon as the new process is started, or has failed to start: the pipe ends once the
    // new game, and every copy of the write end with it, is gone.
    void started();
    // Runs the event loop until the new game has shown its window or has ended, or the limit has
    // passed; the new game is left running then. The windows take no input meanwhile.
    [[nodiscard]] NewGameStart untilShown(pid_t game, std::chrono::milliseconds limit);

private:
    int m_readEnd = -1;
    int m_writeEnd = -1;
    int m_errorOutput = -1;
    int m_starterErrorOutput = -1;
    QByteArray m_shownEntry;
    QByteArray m_errorEntry;
};

// The new game's side: tells the game that started it, once its first frame is out. Does nothing
// for a game that no other started.
void tellStarter();

} // namespace WindowShownNotice
