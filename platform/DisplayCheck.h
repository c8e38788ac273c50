#pragma once

// Without a window system Qt prints a note that blames the installation and aborts, which
// desktops and crash reporters take for a crash. From construction until passed(), Qt's
// messages are held back; should Qt give up, the player reads instead the platforms Qt has, then
// one line saying that the game needs a graphical desktop and which display it tried, and the
// program exits with status 1. Once passed, the held messages go out as Qt would have
// printed them.
class DisplayCheck
{
public:
    DisplayCheck();
    DisplayCheck(const DisplayCheck&) = delete;
    DisplayCheck& operator=(const DisplayCheck&) = delete;
    ~DisplayCheck();

    // Call once the application object exists.
    void passed();
};
