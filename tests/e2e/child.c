#include "child.h"

#include <signal.h>
#include <stdio.h>
#include <sys/wait.h>
#include <unistd.h>

pid_t startChild(char** argv, int closeInChild)
{
    const pid_t pid = fork();
    if (pid < 0)
        perror("fork");
    if (pid == 0) {
        close(closeInChild);
        execv(argv[0], argv);
        perror(argv[0]);
        _exit(127);
    }
    return pid;
}

void endChild(pid_t pid)
{
    kill(pid, SIGTERM);
    for (int i = 0; i < 50; ++i) {
        if (waitpid(pid, NULL, WNOHANG) == pid)
            return;
        usleep(100 * 1000);
    }
    kill(pid, SIGKILL);
    waitpid(pid, NULL, 0);
}
