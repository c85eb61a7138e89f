// A small X client for tests/gui/screenshot.sh, which may find no X tools installed:
//   vexbus_grab wait TITLE SECONDS   waits until a window whose title contains TITLE is shown
//   vexbus_grab return TITLE         presses Return in that window
//   vexbus_grab shot FILE.png        saves the whole screen
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

#include "XReturnKey.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <thread>

namespace {

// The shown top-level window whose title contains `title`, or 0.
Window FindWindow(Display* display, const std::string& title)
{
    Window root = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned count = 0;
    if (!XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count))
        return 0;
    Window found = 0;
    for (unsigned i = count; i-- > 0 && !found;) {
        XWindowAttributes attributes;
        char* name = nullptr;
        if (XGetWindowAttributes(display, children[i], &attributes) && attributes.map_state == IsViewable &&
            XFetchName(display, children[i], &name) && name) {
            if (std::strstr(name, title.c_str()))
                found = children[i];
            XFree(name);
        }
    }
    if (children)
        XFree(children);
    return found;
}

int Wait(const std::string& title, int seconds)
{
    Display* display = XOpenDisplay(nullptr);
    if (!display)
        return 2;
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    Window window = 0;
    while (!(window = FindWindow(display, title)) && std::chrono::steady_clock::now() < end)
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    XCloseDisplay(display);
    return window ? 0 : 1;
}

int PressReturn(const std::string& title)
{
    Display* display = XOpenDisplay(nullptr);
    if (!display)
        return 2;
    const Window window = FindWindow(display, title);
    if (window) {
        SendReturnKey(display, window);
    }
    XCloseDisplay(display);
    return window ? 0 : 1;
}

int Shot(int argc, char** argv, const char* file)
{
    QGuiApplication app(argc, argv);
    QScreen* screen = QGuiApplication::primaryScreen();
    return screen && screen->grabWindow(0).save(QString::fromLocal8Bit(file)) ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    const std::string command = argc > 2 ? argv[1] : "";
    if (command == "wait" && argc == 4)
        return Wait(argv[2], std::atoi(argv[3]));
    if (command == "return" && argc == 3)
        return PressReturn(argv[2]);
    if (command == "shot" && argc == 3)
        return Shot(argc, argv, argv[2]);
    std::fprintf(stderr, "usage: %s wait TITLE SECONDS | return TITLE | shot FILE.png\n", argv[0]);
    return 2;
}
