// The program under measurement, run as a child of the measuring tool.
#pragma once

#include <sys/types.h>

// Starts the program argv[0] with its arguments, closing the descriptor the child must not
// hold (the tool's X connection); the child's id, or -1.
pid_t startChild(char** argv, int closeInChild);

// Ends the child: asked first, forced after five seconds.
void endChild(pid_t pid);
