/* map_timer TITLE PROGRAM [ARGUMENTS...]
 *
 * Starts PROGRAM and watches the X server's root window for windows being
 * mapped. Prints, on one line, the milliseconds from the start to the first
 * window mapped, the milliseconds to the window named TITLE being mapped (the
 * first window when TITLE is empty), the program's process id, that
 * window's id and the milliseconds of CPU the program's threads had used
 * when it was mapped (the scheduler's count, which a busy machine does not
 * stretch as it stretches the wall clock), then exits and leaves the
 * program running (its output goes to standard error). Without a window
 * manager every top-level window is a child of the root, so its MapNotify
 * arrives here the moment the server maps it. */
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <dirent.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

static double now_ms(void)
{
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

/* A window may be gone again by the time its name is asked for (a program's
 * short-lived helper windows): such errors are no reason to stop. */
static int ignore_errors(Display* d, XErrorEvent* e)
{
    (void)d;
    (void)e;
    return 0;
}

static int named(Display* d, Window w, const char* title)
{
    char* name = NULL;
    int same = 0;
    if (!title[0])
        return 1;
    if (XFetchName(d, w, &name) && name) {
        same = strcmp(name, title) == 0;
        XFree(name);
    }
    return same;
}

/* CPU time of every thread of the process so far, in milliseconds: the
 * first field of each thread's schedstat is its nanoseconds on a CPU. */
static double cpu_ms(pid_t pid)
{
    char path[64];
    snprintf(path, sizeof path, "/proc/%d/task", (int)pid);
    DIR* tasks = opendir(path);
    if (!tasks)
        return -1;
    double ns = 0;
    struct dirent* t;
    while ((t = readdir(tasks))) {
        if (t->d_name[0] == '.')
            continue;
        char stat[384];
        snprintf(stat, sizeof stat, "%s/%s/schedstat", path, t->d_name);
        FILE* f = fopen(stat, "r");
        if (!f)
            continue;
        unsigned long long on_cpu = 0;
        if (fscanf(f, "%llu", &on_cpu) == 1)
            ns += (double)on_cpu;
        fclose(f);
    }
    closedir(tasks);
    return ns / 1e6;
}

int main(int argc, char** argv)
{
    if (argc < 3) {
        fprintf(stderr, "usage: map_timer TITLE PROGRAM [ARGUMENTS...]\n");
        return 2;
    }
    Display* d = XOpenDisplay(NULL);
    if (!d) {
        fprintf(stderr, "map_timer: cannot open the display\n");
        return 2;
    }
    XSetErrorHandler(ignore_errors);
    XSelectInput(d, DefaultRootWindow(d), SubstructureNotifyMask);
    XSync(d, False);

    const double start = now_ms();
    const pid_t pid = fork();
    if (pid == 0) {
        /* The program's own output goes where ours to standard error does:
           standard output carries only the result line. */
        dup2(2, 1);
        execv(argv[2], argv + 2);
        perror("map_timer: exec");
        _exit(127);
    }
    double first = -1;
    const int fd = ConnectionNumber(d);
    for (;;) {
        while (XPending(d)) {
            XEvent e;
            XNextEvent(d, &e);
            if (e.type != MapNotify)
                continue;
            const double t = now_ms() - start;
            if (first < 0)
                first = t;
            if (named(d, e.xmap.window, argv[1])) {
                const double cpu = cpu_ms(pid);
                printf("%.1f %.1f %d %lu %.1f\n", first, t, (int)pid, (unsigned long)e.xmap.window, cpu);
                return 0;
            }
        }
        /* Wake at least every 100 ms to notice a program that has ended. */
        fd_set in;
        FD_ZERO(&in);
        FD_SET(fd, &in);
        struct timeval tv = {0, 100000};
        select(fd + 1, &in, NULL, NULL, &tv);
        int status;
        if (waitpid(pid, &status, WNOHANG) == pid) {
            fprintf(stderr, "map_timer: %s ended before mapping its window\n", argv[2]);
            return 1;
        }
        if (now_ms() - start > 30000) {
            fprintf(stderr, "map_timer: no window of %s after 30 s\n", argv[2]);
            kill(pid, SIGTERM);
            return 1;
        }
    }
}
