// Starts a program and times it until its first top-level window is mapped,
// watching the X server from outside; then, after a settle time, reads the
// program's peak resident memory and ends it.
//
//   map_watch [--unmanaged] SETTLE_MS PROGRAM [ARGS...]
//
// --unmanaged: a window that no window manager manages (override-redirect)
// counts too, as Wine makes its windows on an X server without one.
//
// Prints "<milliseconds> <VmHWM KiB>" on standard output. The program's own
// output goes to standard error. Exits 1 when no window appears within 30 s.
// The program finds the moment it was started in STARTUP_T0_NS (nanoseconds
// of CLOCK_MONOTONIC), for bench/startup_clock.cpp.
//
// The root window's SubstructureNotify events are selected before the
// program starts, so the MapNotify of its window cannot be missed, and it is
// read as soon as the server sends it (no polling interval).
#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;

// The process that owns `window`, as the toolkit announces it; 0 if unknown.
long WindowPid(Display* display, Window window, Atom pidAtom) {
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long remaining = 0;
    unsigned char* data = nullptr;
    long pid = 0;
    if (XGetWindowProperty(display, window, pidAtom, 0, 1, False, XA_CARDINAL, &type, &format, &count, &remaining,
                           &data) == Success &&
        data != nullptr) {
        if (type == XA_CARDINAL && format == 32 && count == 1) pid = *reinterpret_cast<long*>(data);
        XFree(data);
    }
    return pid;
}

// Waits up to `timeout` for an X event; false on timeout.
bool NextEvent(Display* display, XEvent* event, Clock::time_point deadline) {
    while (XPending(display) == 0) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0) return false;
        pollfd fd{ConnectionNumber(display), POLLIN, 0};
        poll(&fd, 1, static_cast<int>(left));
    }
    XNextEvent(display, event);
    return true;
}

long PeakResidentKiB(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0) return std::strtol(line.c_str() + 6, nullptr, 10);
    }
    return -1;
}

void Stop(pid_t pid) {
    kill(pid, SIGTERM);
    for (int i = 0; i < 200; ++i) {
        if (waitpid(pid, nullptr, WNOHANG) == pid) return;
        usleep(10'000);
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

}  // namespace

int main(int argc, char** argv) {
    const bool unmanaged = argc > 1 && std::strcmp(argv[1], "--unmanaged") == 0;
    if (unmanaged) {
        --argc;
        ++argv;
    }
    if (argc < 3) {
        std::fprintf(stderr, "usage: map_watch [--unmanaged] SETTLE_MS PROGRAM [ARGS...]\n");
        return 2;
    }
    const int settleMs = std::atoi(argv[1]);
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "map_watch: cannot open the display\n");
        return 2;
    }
    const Window root = DefaultRootWindow(display);
    const Atom pidAtom = XInternAtom(display, "_NET_WM_PID", False);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);

    const auto start = Clock::now();
    const pid_t pid = fork();
    if (pid < 0) {
        std::perror("map_watch: fork");
        return 2;
    }
    if (pid == 0) {
        close(ConnectionNumber(display));
        const auto t0 = std::chrono::duration_cast<std::chrono::nanoseconds>(start.time_since_epoch()).count();
        setenv("STARTUP_T0_NS", std::to_string(t0).c_str(), 1);
        dup2(STDERR_FILENO, STDOUT_FILENO);
        execvp(argv[2], argv + 2);
        std::perror("map_watch: exec");
        _exit(127);
    }

    const auto deadline = start + std::chrono::seconds(30);
    Clock::time_point mapped{};
    XEvent event;
    while (mapped == Clock::time_point{}) {
        if (!NextEvent(display, &event, deadline)) {
            std::fprintf(stderr, "map_watch: no window of process %d was mapped within 30 s\n", static_cast<int>(pid));
            Stop(pid);
            return 1;
        }
        const auto at = Clock::now();
        if (event.type != MapNotify || event.xmap.event != root) continue;
        if (event.xmap.override_redirect && !unmanaged) continue;
        if (WindowPid(display, event.xmap.window, pidAtom) == pid) mapped = at;
    }

    // Let the window paint before its memory is read.
    const auto settled = mapped + std::chrono::milliseconds(settleMs);
    while (NextEvent(display, &event, settled)) {
    }
    const long kib = PeakResidentKiB(pid);
    Stop(pid);
    XCloseDisplay(display);

    const double ms = std::chrono::duration<double, std::milli>(mapped - start).count();
    std::printf("%.1f %ld\n", ms, kib);
    return kib < 0 ? 1 : 0;
}
