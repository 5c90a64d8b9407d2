// startup: how long the real game takes from its exec to its first frame on the screen. It
// starts `rubblestorm` in the run folder, finds its window among the X server's top-level
// windows, and grabs the window until a pixel is not black (the sky box of the main menu);
// then it ends the game and starts it again. The X server must have a black root window
// (Xvfb -br), or the window's undrawn contents would count as drawn. The grabs themselves take
// a few milliseconds, which bounds the resolution.
// Usage: startup <rubblestorm> <run folder> [runs]
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>

#include "bench/TimingSeries.h"

namespace {
using Clock = std::chrono::steady_clock;

constexpr int defaultRuns = 5;
constexpr auto pollInterval = std::chrono::milliseconds(2);
constexpr auto timeout = std::chrono::seconds(20);
constexpr const char* windowTitle = "Rubblestorm";

// A window that goes away between the query and the grab is only missed once.
int ignoreErrors(Display*, XErrorEvent*) { return 0; }

Window findGameWindow(Display* display)
{
    Window root = 0, parent = 0, *children = nullptr;
    unsigned count = 0;
    Window found = 0;
    if (!XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count)) return 0;
    for (unsigned i = 0; i < count && found == 0; ++i) {
        char* name = nullptr;
        if (XFetchName(display, children[i], &name) && name != nullptr) {
            if (std::strcmp(name, windowTitle) == 0) found = children[i];
            XFree(name);
        }
    }
    if (children != nullptr) XFree(children);
    return found;
}

bool isViewable(Display* display, Window window)
{
    XWindowAttributes attributes;
    return XGetWindowAttributes(display, window, &attributes) && attributes.map_state == IsViewable;
}

bool showsAnything(Display* display, Window window)
{
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, window, &attributes)) return false;
    XImage* image = XGetImage(display, window, 0, 0, attributes.width, attributes.height, AllPlanes, ZPixmap);
    if (image == nullptr) return false;
    const unsigned long colour = image->red_mask | image->green_mask | image->blue_mask;
    bool drawn = false;
    for (int y = 0; y < image->height && !drawn; ++y)
        for (int x = 0; x < image->width && !drawn; ++x) drawn = (XGetPixel(image, x, y) & colour) != 0;
    XDestroyImage(image);
    return drawn;
}

struct Start {
    Clock::duration mapped{}, drawn{};
    bool ok = false;
};

Start startOnce(Display* display, const char* game, const char* runFolder)
{
    const Clock::time_point start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        if (chdir(runFolder) == 0) execl(game, game, static_cast<char*>(nullptr));
        std::_Exit(127);
    }
    Start result;
    Window window = 0;
    while (child > 0 && Clock::now() - start < timeout) {
        if (window == 0) window = findGameWindow(display);
        if (window != 0 && result.mapped == Clock::duration{} && isViewable(display, window))
            result.mapped = Clock::now() - start;
        if (result.mapped != Clock::duration{} && showsAnything(display, window)) {
            result.drawn = Clock::now() - start;
            result.ok = true;
            break;
        }
        std::this_thread::sleep_for(pollInterval);
    }
    if (child > 0) {
        kill(child, SIGTERM);
        waitpid(child, nullptr, 0);
    }
    return result;
}
}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: startup <rubblestorm> <run folder> [runs]\n");
        return 2;
    }
    const int runs = argc >= 4 ? std::atoi(argv[3]) : defaultRuns;
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "startup: no X display\n");
        return 1;
    }
    XSetErrorHandler(ignoreErrors);
    TimingSeries mapped, drawn;
    for (int run = 0; run < runs; ++run) {
        const Start start = startOnce(display, argv[1], argv[2]);
        if (!start.ok) {
            std::fprintf(stderr, "startup: no frame within the time-out\n");
            return 1;
        }
        mapped.add(start.mapped);
        drawn.add(start.drawn);
    }
    std::printf("start-up of rubblestorm, %d runs, from exec\n%s\n%s\n%s\n\n", runs, TimingSeries::header().c_str(),
                mapped.row("window mapped").c_str(), drawn.row("first frame drawn").c_str());
    XCloseDisplay(display);
    return 0;
}
