// Escape pressed twice or held down during a batch run, typed on the keyboard of a real X server.
// There the first press ends the run at once, so the second press, or the repeats of a held key,
// come when no run is up any more, to whichever window then has the focus; key events queued by
// the test itself cannot come in that order. Each test starts its own X server (Xvfb) with a
// window manager (openbox), and a thread of the test types and clicks through the server's test
// extension (XTest) as the user's keyboard and mouse do.
#include "BatchFixture.h"
#include "ProfileFolder.h"
#include "ScriptedResponder.h"

#include <QAbstractNativeEventFilter>
#include <QApplication>
#include <QByteArray>
#include <QTimer>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <optional>
#include <ostream>
#include <stop_token>
#include <string>
#include <thread>
#include <vector>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

// A child process with its output thrown away; -1 when it cannot be started.
pid_t Spawn(std::vector<std::string> args)
{
    std::vector<char*> argv;
    for (std::string& arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = -1;
    const int error = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    return error == 0 ? pid : -1;
}

void Stop(pid_t pid)
{
    if (pid <= 0)
        return;
    ::kill(pid, SIGTERM);
    ::waitpid(pid, nullptr, 0);
}

// A reply of the window manager is not an error of the test: a window may go at any time.
int IgnoreErrors(Display*, XErrorEvent*)
{
    return 0;
}

// The X server and its window manager, for this process alone: keys typed into the user's own
// desktop would go to the user's windows.
class XSession {
public:
    XSession() = default;
    XSession(const XSession&) = delete;
    XSession& operator=(const XSession&) = delete;

    ~XSession()
    {
        Stop(m_wm);
        Stop(m_server);
    }

    // Starts both and points DISPLAY at the server. Without a server, `noServer` says why; with
    // one but no window manager or test extension, `problem` does.
    void Start()
    {
        int fds[2];
        if (::pipe2(fds, O_CLOEXEC) != 0) {
            noServer = "no pipe for the X server's display number";
            return;
        }
        // The server writes its display number there once it takes clients.
        ::fcntl(fds[1], F_SETFD, 0);
        m_server = Spawn({"Xvfb", "-displayfd", std::to_string(fds[1]), "-screen", "0", "1024x768x24", "-nolisten",
                          "tcp", "-dpi", "96"});
        ::close(fds[1]);
        const std::string number = ReadLine(fds[0], 20s);
        ::close(fds[0]);
        if (m_server < 0) {
            noServer = "Xvfb is not installed (scripts/setup.sh installs it)";
            return;
        }
        if (number.empty()) {
            noServer = "Xvfb did not start";
            return;
        }
        display = ":" + number;
        ::setenv("DISPLAY", display.c_str(), 1);

        m_wm = Spawn({"openbox", "--sm-disable"});
        if (m_wm < 0) {
            problem = "openbox is not installed (scripts/setup.sh installs it)";
            return;
        }
        Display* x = XOpenDisplay(display.c_str());
        int event = 0;
        int error = 0;
        int major = 0;
        int minor = 0;
        if (!x || !XTestQueryExtension(x, &event, &error, &major, &minor))
            problem = "the X server has no XTest extension";
        else if (!AwaitWindowManager(x))
            problem = "openbox did not start managing windows";
        if (x)
            XCloseDisplay(x);
    }

    std::string display;
    std::string noServer;
    std::string problem;

private:
    static std::string ReadLine(int fd, std::chrono::milliseconds limit)
    {
        std::string line;
        const Clock::time_point end = Clock::now() + limit;
        while (Clock::now() < end) {
            pollfd p{fd, POLLIN, 0};
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - Clock::now());
            if (::poll(&p, 1, static_cast<int>(left.count())) <= 0)
                break;
            char c = 0;
            if (::read(fd, &c, 1) != 1 || c == '\n')
                break;
            line += c;
        }
        return line;
    }

    static bool AwaitWindowManager(Display* x)
    {
        const Atom check = XInternAtom(x, "_NET_SUPPORTING_WM_CHECK", False);
        for (const Clock::time_point end = Clock::now() + 20s; Clock::now() < end; std::this_thread::sleep_for(20ms)) {
            Atom type = None;
            int format = 0;
            unsigned long items = 0;
            unsigned long after = 0;
            unsigned char* data = nullptr;
            XGetWindowProperty(x, DefaultRootWindow(x), check, 0, 1, False, XA_WINDOW, &type, &format, &items, &after,
                               &data);
            if (data)
                XFree(data);
            if (items == 1)
                return true;
        }
        return false;
    }

    pid_t m_server = -1;
    pid_t m_wm = -1;
};

XSession* g_x = nullptr;

// Counts the presses of a key as the X server delivers them, repeats included, before Qt sees them.
class ServerPresses : public QAbstractNativeEventFilter {
public:
    explicit ServerPresses(xcb_keycode_t key) : m_key(key)
    {
        QCoreApplication::instance()->installNativeEventFilter(this);
    }
    ~ServerPresses() override { QCoreApplication::instance()->removeNativeEventFilter(this); }
    ServerPresses(const ServerPresses&) = delete;
    ServerPresses& operator=(const ServerPresses&) = delete;

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override
    {
        if (type != "xcb_generic_event_t")
            return false;
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        if ((event->response_type & 0x7F) == XCB_KEY_PRESS &&
            static_cast<const xcb_key_press_event_t*>(message)->detail == m_key)
            ++count;
        return false;
    }

    int count = 0;

private:
    xcb_keycode_t m_key;
};

struct KeyCase {
    const char* name;
    // The progress window is clicked first, so that it has the focus; else the main window keeps it.
    bool inProgressWindow;
    int presses;
    // From one press to the next, and how long each is held down.
    std::chrono::milliseconds every;
    std::chrono::milliseconds held;
};

void PrintTo(const KeyCase& c, std::ostream* os)
{
    *os << c.name;
}

// Two quick presses (as `xdotool key --delay 30 Escape Escape` types them), two slower ones, and
// a key held down for two seconds while the server repeats it.
const KeyCase kCases[] = {
    {"TwicePressed30msApartInTheMainWindow", false, 2, 30ms, 15ms},
    {"TwicePressed400msApartInTheMainWindow", false, 2, 400ms, 80ms},
    {"Held2sInTheMainWindow", false, 1, 0ms, 2000ms},
    {"TwicePressed30msApartInTheProgressWindow", true, 2, 30ms, 15ms},
    {"TwicePressed400msApartInTheProgressWindow", true, 2, 400ms, 80ms},
    {"Held2sInTheProgressWindow", true, 1, 0ms, 2000ms},
};

// What the main thread and the user's thread tell each other.
struct Shared {
    std::atomic<unsigned long> popup{0};
    std::atomic<bool> popupActive{false};
    std::atomic<bool> mainActive{false};
    std::atomic<bool> ended{false};
    std::atomic<Clock::time_point> firstPress{};
    std::atomic<Clock::time_point> letGo{};
    std::atomic<Clock::time_point> control{};
    std::atomic<bool> forced{false};
    std::atomic<bool> done{false};
    // Written by the user's thread alone, read once it is over.
    std::string problem;
};

class EscapeOnTheKeyboard : public BatchFixture, public testing::WithParamInterface<KeyCase> {
protected:
    void SetUp() override
    {
        if (!g_x->noServer.empty())
            GTEST_SKIP() << "no X server could start: " << g_x->noServer;
        ASSERT_EQ(g_x->problem, "");
        BatchFixture::SetUp();
    }

    // The user: waits for the run, clicks the progress window when the case says so, types the
    // case's Escapes, and two seconds after letting go (three after the first press) gives the
    // control Escape. A run or dialog that does not end is ended after a while.
    void User(std::stop_token stop, const KeyCase& c, Shared& s, CVexbusDlg* dialog) const
    {
        Display* x = XOpenDisplay(g_x->display.c_str());
        XAutoRepeatOn(x);
        const KeyCode escape = XKeysymToKeycode(x, XK_Escape);
        const auto waitFor = [&stop](const auto& condition, std::chrono::milliseconds limit) {
            for (const Clock::time_point end = Clock::now() + limit; !stop.stop_requested() && Clock::now() < end;
                 std::this_thread::sleep_for(5ms))
                if (condition())
                    return true;
            return condition();
        };
        const auto key = [x, escape](bool down) {
            XTestFakeKeyEvent(x, escape, down, CurrentTime);
            XFlush(x);
        };
        const auto sleepUntil = [&waitFor, &s](Clock::time_point when) {
            waitFor([&s, when] { return s.ended || Clock::now() >= when; }, 10s);
        };

        if (!waitFor([&s] { return s.popup != 0; }, 10s)) {
            s.problem = "the run's progress window did not show";
        } else {
            std::this_thread::sleep_for(300ms);
            if (c.inProgressWindow) {
                int left = 0;
                int top = 0;
                Window child = None;
                XTranslateCoordinates(x, s.popup, DefaultRootWindow(x), 0, 0, &left, &top, &child);
                XTestFakeMotionEvent(x, -1, left + 30, top + 15, CurrentTime);
                XTestFakeButtonEvent(x, 1, True, CurrentTime);
                XTestFakeButtonEvent(x, 1, False, CurrentTime);
                XFlush(x);
            }
            std::atomic<bool>& active = c.inProgressWindow ? s.popupActive : s.mainActive;
            if (!waitFor([&active] { return active.load(); }, 3s))
                s.problem = c.inProgressWindow ? "a click did not make the progress window active"
                                               : "the main window was not active";
        }
        if (s.problem.empty()) {
            const Clock::time_point first = Clock::now();
            s.firstPress = first;
            for (int i = 0; i < c.presses; ++i) {
                sleepUntil(first + i * c.every);
                key(true);
                std::this_thread::sleep_for(c.held);
                key(false);
            }
            s.letGo = Clock::now();
            sleepUntil(std::max(s.letGo.load() + 2s, first + 3s));
            if (!s.ended) {
                if (!waitFor([&s] { return s.mainActive.load(); }, 2s))
                    s.problem = "the main window was not active for the control Escape";
                s.control = Clock::now();
                key(true);
                std::this_thread::sleep_for(30ms);
                key(false);
            }
        }
        if (!waitFor([&s] { return s.ended.load(); }, 5s)) {
            // Ends the run, and the dialog after it, as the close box does.
            s.forced = true;
            QMetaObject::invokeMethod(dialog, &QWidget::close, Qt::QueuedConnection);
        }
        XCloseDisplay(x);
        s.done = true;
    }
};

std::chrono::milliseconds Ms(Clock::duration d)
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(d);
}

} // namespace

// Escape pressed twice or held down during a run is the run's: the first press cancels it, and
// neither the second press nor the repeats reach a window, so the program stays with its log.
// Two seconds after the key was let go, Escape ends the dialog as ever.
TEST_P(EscapeOnTheKeyboard, StaysWithTheRunAndTheProgramStays)
{
    const KeyCase& c = GetParam();
    const std::string path = WriteFile("loop.txt", "loop:\ni2cw 1a 10 01\ndelay 20\ngoto loop\n");

    Display* x = XOpenDisplay(g_x->display.c_str());
    ASSERT_NE(x, nullptr);
    ServerPresses presses(static_cast<xcb_keycode_t>(XKeysymToKeycode(x, XK_Escape)));
    XCloseDisplay(x);

    Shared s;
    // Looked at from the pumps of the run, and from the test's own waits after it.
    QTimer look;
    look.setInterval(5);
    look.callOnTimeout([&s, this] {
        QWidget* popup = Popup();
        s.popup = popup ? popup->winId() : 0;
        s.popupActive = popup && QApplication::activeWindow() == popup;
        s.mainActive = QApplication::activeWindow() == dlg.get();
    });
    look.start();
    std::optional<Clock::time_point> ended;
    QObject::connect(dlg.get(), &QDialog::finished, [&s, &ended] {
        ended = Clock::now();
        s.ended = true;
    });

    std::jthread user([this, &c, &s](std::stop_token stop) { User(stop, c, s, dlg.get()); });
    Load(path);
    const Clock::time_point runOver = Clock::now();
    ASSERT_TRUE(QTest::qWaitFor([&s] { return s.done.load(); }, 30000));
    user.join();
    look.stop();

    ASSERT_EQ(s.problem, "");
    EXPECT_FALSE(s.forced) << "the run or the dialog did not end";
    const Clock::time_point first = s.firstPress;
    EXPECT_LT(Ms(runOver - first).count(), 1500) << "the first Escape cancels the run";
    EXPECT_FALSE(RunLog(path).empty());
    if (c.held >= 1s) {
        EXPECT_GE(presses.count, 10) << "the server repeats a key held down";
    }
    ASSERT_TRUE(ended.has_value());
    EXPECT_EQ(dlg->result(), QDialog::Rejected);
    EXPECT_NE(s.control.load(), Clock::time_point{})
        << "the dialog ended " << Ms(*ended - first).count() << " ms after the first Escape, before the control";
    if (s.control.load() != Clock::time_point{}) {
        EXPECT_GE(*ended, s.control.load()) << "the control Escape ended the dialog";
    }
}

INSTANTIATE_TEST_SUITE_P(Keys, EscapeOnTheKeyboard, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<KeyCase>& info) { return std::string(info.param.name); });

// The X server and the window manager come first, since the application connects to the server
// as it starts; when only the tests are listed, neither is needed.
int main(int argc, char** argv)
{
    // The user's thread talks to the server over a connection of its own.
    XInitThreads();
    testing::InitGoogleTest(&argc, argv);
    XSession x;
    g_x = &x;
    if (!GTEST_FLAG_GET(list_tests))
        x.Start();
    else
        x.noServer = "only listing the tests";
    XSetErrorHandler(IgnoreErrors);
    qputenv("QT_QPA_PLATFORM", x.noServer.empty() ? "xcb" : "offscreen");
    // The session has no message bus: told so, the bus library does not go looking for one
    // through the X server (and keep what it read there until the process ends).
    qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent");

    const ProfileFolder profile("vexbus-test");
    if (profile.Path().empty())
        return EXIT_FAILURE;

    QApplication app(argc, argv);
    TakeStartUpBoxes();
    return RUN_ALL_TESTS();
}
