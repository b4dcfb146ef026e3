/* Starts a program in the current X server and reports when its first
 * top-level window is mapped and first drawn, how much CPU time the process
 * had used by then and its resident memory with the window shown; then ends
 * the program.
 *
 *   mapwait PROGRAM [ARGS...]
 *
 * Prints one line:  map_ms cpu_ms paint_ms paint_cpu_ms rss_kb
 * Times count from just before the program is started; CPU time is the sum
 * over the process's threads (nanosecond run times from the scheduler).
 * paint_ms is -1 when nothing was drawn within the time allowed. The
 * resident memory is read half a second after the first drawing (or the
 * map), so work done just after the window shows counts as well.
 *
 * Needs no window manager: the window is a child of the root window.
 */
#define _GNU_SOURCE
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>
#include <dirent.h>
#include <poll.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

static double NowMs(void)
{
    struct timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

/* CPU time of every thread of `pid`, in ms. */
static double CpuMs(pid_t pid)
{
    char path[64];
    snprintf(path, sizeof path, "/proc/%d/task", (int)pid);
    DIR* dir = opendir(path);
    if (!dir)
        return -1;
    double total = 0;
    struct dirent* entry;
    while ((entry = readdir(dir)) != NULL) {
        if (entry->d_name[0] == '.')
            continue;
        char file[128];
        snprintf(file, sizeof file, "/proc/%d/task/%s/schedstat", (int)pid, entry->d_name);
        FILE* f = fopen(file, "r");
        unsigned long long runNs = 0;
        if (f) {
            if (fscanf(f, "%llu", &runNs) == 1)
                total += runNs / 1e6;
            fclose(f);
        }
    }
    closedir(dir);
    return total;
}

static long RssKb(pid_t pid)
{
    char path[64], line[256];
    snprintf(path, sizeof path, "/proc/%d/status", (int)pid);
    FILE* f = fopen(path, "r");
    long kb = -1;
    if (!f)
        return -1;
    while (fgets(line, sizeof line, f))
        if (sscanf(line, "VmRSS: %ld kB", &kb) == 1)
            break;
    fclose(f);
    return kb;
}

/* Next X event, or 0 after `timeoutMs` without one. */
static int NextEvent(Display* dpy, XEvent* ev, int timeoutMs)
{
    const double until = NowMs() + timeoutMs;
    while (!XPending(dpy)) {
        const int left = (int)(until - NowMs());
        if (left <= 0)
            return 0;
        struct pollfd p = {ConnectionNumber(dpy), POLLIN, 0};
        poll(&p, 1, left);
    }
    XNextEvent(dpy, ev);
    return 1;
}

int main(int argc, char** argv)
{
    if (argc < 2) {
        fprintf(stderr, "usage: mapwait PROGRAM [ARGS...]\n");
        return 2;
    }
    Display* dpy = XOpenDisplay(NULL);
    if (!dpy) {
        fprintf(stderr, "mapwait: cannot open the display\n");
        return 2;
    }
    int damageEvent = 0, damageError = 0;
    const int haveDamage = XDamageQueryExtension(dpy, &damageEvent, &damageError);
    const Window root = DefaultRootWindow(dpy);
    XSelectInput(dpy, root, SubstructureNotifyMask);
    XSync(dpy, False);

    const double start = NowMs();
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(2, 1); /* our standard output carries the figures only */
        execvp(argv[1], argv + 1);
        _exit(127);
    }

    /* Every new top-level window is watched for drawing from its creation
     * on, so no drawing can slip in between the map and the watch. */
    double mapMs = -1, cpuMs = -1, paintMs = -1, paintCpuMs = -1;
    long rssKb = -1;
    Window shown = 0;
    XEvent ev;
    while (NextEvent(dpy, &ev, shown ? 5000 : 60000)) {
        if (ev.type == CreateNotify && haveDamage && !ev.xcreatewindow.override_redirect) {
            XDamageCreate(dpy, ev.xcreatewindow.window, XDamageReportRawRectangles);
        } else if (ev.type == MapNotify && !shown && !ev.xmap.override_redirect) {
            mapMs = NowMs() - start;
            cpuMs = CpuMs(pid);
            shown = ev.xmap.window;
            if (!haveDamage)
                break;
        } else if (haveDamage && ev.type == damageEvent + XDamageNotify && shown
                   && ((XDamageNotifyEvent*)&ev)->drawable == shown) {
            paintMs = NowMs() - start;
            paintCpuMs = CpuMs(pid);
            break;
        }
    }
    if (shown) {
        usleep(500 * 1000);
        rssKb = RssKb(pid);
    }
    kill(pid, SIGKILL);
    waitpid(pid, NULL, 0);
    XCloseDisplay(dpy);
    if (!shown) {
        fprintf(stderr, "mapwait: %s showed no window\n", argv[1]);
        return 1;
    }
    printf("%.1f %.1f %.1f %.1f %ld\n", mapMs, cpuMs, paintMs, paintCpuMs, rssKb);
    return 0;
}
