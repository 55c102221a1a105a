/* Starts a program on the X display and measures, from outside, how long it
 * takes until its top-level window with the given title is mapped, and how
 * much resident memory the program holds once the window is shown. Then it
 * closes the window through its close box (the WM_DELETE_WINDOW request a
 * window manager sends) and waits for the program to end.
 *
 *   MapTimer [-s SETTLE_MS] [-t TIMEOUT_S] TITLE PROGRAM [ARGUMENTS...]
 *
 * Prints one line: "map_ms=<ms> rss_kb=<kB> exit=<status>" and exits with the
 * program's own exit status (124 when a step times out, 125 when the
 * measurement itself fails).
 *
 * Run it on a display without a window manager: the program's top-level
 * window is then a direct child of the root, so its MapNotify arrives
 * through the root's SubstructureNotify selection, which is made before the
 * program starts. The clock starts just before the fork.
 */
#define _POSIX_C_SOURCE 200809L

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <errno.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/select.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

static double Now(void)
{
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return (double)t.tv_sec + (double)t.tv_nsec / 1e9;
}

/* A window property as bytes (NUL-terminated), or NULL. */
static unsigned char* Property(Display* display, Window window, Atom name, Atom type, unsigned long* count)
{
    Atom actualType;
    int format;
    unsigned long items, after;
    unsigned char* data = NULL;
    if (XGetWindowProperty(display, window, name, 0, 1024, False, type, &actualType, &format, &items, &after, &data)
            != Success
        || actualType != type) {
        if (data)
            XFree(data);
        return NULL;
    }
    *count = items;
    return data;
}

static int IsProgramsWindow(Display* display, Window window, pid_t pid, const char* title)
{
    unsigned long count = 0;
    int ours = 0;
    unsigned char* pidData = Property(display, window, XInternAtom(display, "_NET_WM_PID", False), XA_CARDINAL, &count);
    if (pidData && count == 1 && (pid_t)(*(unsigned long*)pidData) == pid) {
        unsigned char* name = Property(display, window, XInternAtom(display, "_NET_WM_NAME", False),
            XInternAtom(display, "UTF8_STRING", False), &count);
        ours = name && strcmp((const char*)name, title) == 0;
        if (name)
            XFree(name);
    }
    if (pidData)
        XFree(pidData);
    return ours;
}

static long ResidentKB(pid_t pid)
{
    char path[64];
    char line[256];
    long kb = -1;
    snprintf(path, sizeof path, "/proc/%d/status", (int)pid);
    FILE* status = fopen(path, "r");
    if (!status)
        return -1;
    while (fgets(line, sizeof line, status))
        if (sscanf(line, "VmRSS: %ld kB", &kb) == 1)
            break;
    fclose(status);
    return kb;
}

/* Waits for the next X event until the deadline; 0 on time-out. */
static int NextEvent(Display* display, XEvent* event, double deadline)
{
    while (!XPending(display)) {
        double left = deadline - Now();
        if (left <= 0)
            return 0;
        fd_set fds;
        FD_ZERO(&fds);
        FD_SET(ConnectionNumber(display), &fds);
        struct timeval wait = { (time_t)left, (suseconds_t)((left - (double)(time_t)left) * 1e6) };
        if (select(ConnectionNumber(display) + 1, &fds, NULL, NULL, &wait) < 0 && errno != EINTR)
            return 0;
    }
    XNextEvent(display, event);
    return 1;
}

static int WaitForExit(pid_t pid, double deadline)
{
    int status = 0;
    while (Now() < deadline) {
        pid_t done = waitpid(pid, &status, WNOHANG);
        if (done == pid)
            return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        struct timespec pause = { 0, 2000000 };
        nanosleep(&pause, NULL);
    }
    kill(pid, SIGKILL);
    waitpid(pid, &status, 0);
    return 124;
}

int main(int argc, char** argv)
{
    long settleMs = 500;
    double timeout = 60;
    int option;
    while ((option = getopt(argc, argv, "+s:t:")) != -1) {
        if (option == 's')
            settleMs = atol(optarg);
        else if (option == 't')
            timeout = atof(optarg);
        else
            return 125;
    }
    if (argc - optind < 2) {
        fprintf(stderr, "usage: MapTimer [-s SETTLE_MS] [-t TIMEOUT_S] TITLE PROGRAM [ARGUMENTS...]\n");
        return 125;
    }
    const char* title = argv[optind];
    char** program = argv + optind + 1;

    Display* display = XOpenDisplay(NULL);
    if (!display) {
        fprintf(stderr, "MapTimer: cannot open the display\n");
        return 125;
    }
    Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);

    double start = Now();
    pid_t pid = fork();
    if (pid < 0)
        return 125;
    if (pid == 0) {
        close(ConnectionNumber(display));
        execvp(program[0], program);
        _exit(127);
    }

    double deadline = start + timeout;
    Window shown = 0;
    double mapped = 0;
    XEvent event;
    while (!shown && NextEvent(display, &event, deadline)) {
        if (event.type != MapNotify || event.xmap.override_redirect)
            continue;
        double at = Now();
        if (IsProgramsWindow(display, event.xmap.window, pid, title)) {
            shown = event.xmap.window;
            mapped = at;
        }
    }
    if (!shown) {
        fprintf(stderr, "MapTimer: no window \"%s\" was mapped\n", title);
        kill(pid, SIGKILL);
        waitpid(pid, NULL, 0);
        return 124;
    }

    struct timespec settle = { settleMs / 1000, (settleMs % 1000) * 1000000L };
    nanosleep(&settle, NULL);
    long rss = ResidentKB(pid);

    XEvent close;
    memset(&close, 0, sizeof close);
    close.xclient.type = ClientMessage;
    close.xclient.window = shown;
    close.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    close.xclient.format = 32;
    close.xclient.data.l[0] = (long)XInternAtom(display, "WM_DELETE_WINDOW", False);
    close.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, shown, False, NoEventMask, &close);
    XFlush(display);

    int status = WaitForExit(pid, Now() + timeout);
    printf("map_ms=%.3f rss_kb=%ld exit=%d\n", (mapped - start) * 1000, rss, status);
    fflush(stdout);
    XCloseDisplay(display);
    return status;
}
