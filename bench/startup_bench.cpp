// Times process start to the main window shown, for vexbus and for a minimal Qt dialog program,
// from outside: an X client that starts each program, watches the windows appear on the root
// window and takes a window's first drawing (X Damage) as the moment it is shown. Neither
// program knows it is watched. A box that opens before the main window (the missing parallel
// port) is answered with Return the moment it shows; the wait for that answer is not counted.
// The figure is the median, over the runs, of the ratio of one start of each.
//
//   vexbus_startup_bench [--smoke] RUNS PRELOAD VEXBUS MINIMAL_DIALOG   (inside an X server)
//
// --smoke judges no ratio: it fails only when a window does not show.
#include "XReturnKey.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xdamage.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

constexpr auto kTimeOut = std::chrono::seconds(20);
constexpr double kBound = 1.5;

struct Program {
    std::string path;
    std::string title;
    std::vector<std::string> environment;
    std::vector<double> seconds;
    // Of those, the time until a box before the main window was drawn; 0 without a box.
    std::vector<double> boxSeconds;
};

struct Timing {
    double shown;
    double box;
};

struct Watched {
    Damage damage = 0;
    bool mapped = false;
    bool drawn = false;
    std::string name;
};

int IgnoreErrors(Display*, XErrorEvent*)
{
    return 0; // windows of an ended program vanish while they are watched
}

std::string NameOf(Display* display, Window window)
{
    char* name = nullptr;
    std::string result;
    if (XFetchName(display, window, &name) && name) {
        result = name;
        XFree(name);
    }
    return result;
}

pid_t Start(const Program& program)
{
    // The program's own settings replace inherited ones of the same name.
    const auto named = [](const std::string& entry, const std::string& other) {
        return entry.compare(0, entry.find('=') + 1, other, 0, other.find('=') + 1) == 0;
    };
    std::vector<std::string> strings = program.environment;
    for (char** e = environ; *e; ++e) {
        const std::string entry = *e;
        if (std::none_of(program.environment.begin(), program.environment.end(),
                         [&](const std::string& own) { return named(entry, own); }))
            strings.push_back(entry);
    }
    std::vector<char*> env;
    for (std::string& s : strings)
        env.push_back(s.data());
    env.push_back(nullptr);
    std::string path = program.path;
    char* argv[] = {path.data(), nullptr};
    // The programs' own messages would bury the figures.
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int failed = posix_spawn(&pid, path.c_str(), &quiet, nullptr, argv, env.data());
    posix_spawn_file_actions_destroy(&quiet);
    return failed ? -1 : pid;
}

void Stop(pid_t pid)
{
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

// Seconds from the start of the program to the first drawing of its main window, without the
// time the observer took to answer a box, and to the first drawing of that box; nothing when the
// window did not show.
std::optional<Timing> TimeOne(Display* display, int damageBase, const Program& program)
{
    std::map<Window, Watched> windows;
    const auto start = Clock::now();
    const pid_t pid = Start(program);
    if (pid < 0)
        return std::nullopt;
    Clock::duration answering{};
    double box = 0;
    std::optional<double> shown;
    const int fd = ConnectionNumber(display);
    while (!shown && Clock::now() - start < kTimeOut) {
        if (!XPending(display)) {
            pollfd p{fd, POLLIN, 0};
            poll(&p, 1, 10);
            if (waitpid(pid, nullptr, WNOHANG) == pid)
                return std::nullopt;
            continue;
        }
        XEvent event;
        XNextEvent(display, &event);
        const auto now = Clock::now();
        if (event.type == CreateNotify && event.xcreatewindow.parent == DefaultRootWindow(display)) {
            const Window w = event.xcreatewindow.window;
            windows[w].damage = XDamageCreate(display, w, XDamageReportNonEmpty);
        } else if (event.type == MapNotify) {
            const auto it = windows.find(event.xmap.window);
            if (it != windows.end()) {
                it->second.mapped = true;
                it->second.name = NameOf(display, it->first);
            }
        } else if (event.type == DestroyNotify) {
            windows.erase(event.xdestroywindow.window);
        } else if (event.type == damageBase + XDamageNotify) {
            const auto* damage = reinterpret_cast<XDamageNotifyEvent*>(&event);
            const auto it = windows.find(damage->drawable);
            if (it == windows.end())
                continue;
            XDamageSubtract(display, it->second.damage, None, None);
            Watched& w = it->second;
            if (!w.mapped || w.drawn)
                continue;
            w.drawn = true;
            if (w.name.find(program.title) != std::string::npos) {
                shown = std::chrono::duration<double>(now - start - answering).count();
            } else {
                if (box == 0)
                    box = std::chrono::duration<double>(now - start).count();
                SendReturnKey(display, it->first);
                answering += Clock::now() - now;
            }
        }
    }
    Stop(pid);
    // Leaves no event of this run for the next one.
    XSync(display, True);
    if (!shown)
        return std::nullopt;
    return Timing{*shown, box};
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

int main(int argc, char** argv)
{
    const bool smoke = argc > 1 && std::strcmp(argv[1], "--smoke") == 0;
    if (smoke) {
        --argc;
        ++argv;
    }
    if (argc != 5) {
        std::fprintf(stderr, "usage: %s [--smoke] RUNS PRELOAD VEXBUS MINIMAL_DIALOG\n", argv[0]);
        return 2;
    }
    const int runs = std::max(1, std::atoi(argv[1]));
    Display* display = XOpenDisplay(nullptr);
    int damageBase = 0;
    int damageError = 0;
    if (!display || !XDamageQueryExtension(display, &damageBase, &damageError)) {
        std::fprintf(stderr, "needs an X server with the Damage extension\n");
        return 2;
    }
    XSetErrorHandler(IgnoreErrors);
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, True);

    const std::string config = (std::filesystem::temp_directory_path() / "vexbus-startup-bench").string();
    std::filesystem::create_directories(config);
    // Both start alike: the emulated adapter, which vexbus needs, is preloaded into both.
    const std::vector<std::string> common{"QT_QPA_PLATFORM=xcb", "XDG_CONFIG_HOME=" + config,
                                          std::string("LD_PRELOAD=") + argv[2]};
    Program vexbus{argv[3], "Vexbus I2C Tool", common, {}, {}};
    Program minimal{argv[4], "Minimal Dialog", common, {}, {}};

    // One start of each first, so that both find the libraries and fonts in the page cache.
    for (int run = smoke ? 0 : -1; run < runs; ++run) {
        for (Program* program : {&vexbus, &minimal}) {
            const std::optional<Timing> timing = TimeOne(display, damageBase, *program);
            if (!timing) {
                std::fprintf(stderr, "%s: the main window did not show\n", program->path.c_str());
                return 1;
            }
            if (run >= 0) {
                program->seconds.push_back(timing->shown);
                program->boxSeconds.push_back(timing->box);
            }
        }
    }
    XCloseDisplay(display);
    std::filesystem::remove_all(config);

    std::printf("start-up to the main window drawn, median of %d: vexbus %.1f ms, minimal Qt dialog %.1f ms\n", runs,
                Median(vexbus.seconds) * 1000, Median(minimal.seconds) * 1000);
    if (const double box = Median(vexbus.boxSeconds); box > 0)
        std::printf("vexbus showed a box first (no parallel port), drawn after %.1f ms and answered at once\n",
                    box * 1000);
    // Each start of vexbus is set against the start of the minimal program right after it, so that
    // the load of a shared machine, which drifts from second to second, weighs on both alike.
    std::vector<double> ratios;
    for (std::size_t i = 0; i < vexbus.seconds.size(); ++i)
        ratios.push_back(vexbus.seconds[i] / minimal.seconds[i]);
    const double ratio = Median(ratios);
    const bool holds = ratio <= kBound;
    std::printf("%-64s %8.2f %8.2f  %s\n", "5. start-up: vexbus / minimal Qt dialog program", ratio, kBound,
                holds ? "holds" : "MISSES");
    return holds || smoke ? 0 : 1;
}
