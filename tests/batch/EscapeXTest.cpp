// Escape during a batch run, typed on the keyboard of a real X server. There the first press ends
// the run at once, so a second press, or the repeats of a held key, come when no run is up any
// more, to whichever window then has the focus; a box closed by Escape lets the next press reach
// the window under it; and what the user typed while a delay blocked the program comes all at
// once. Key events queued by the test itself cannot come in those orders. Each test starts its
// own X server (Xvfb) with a window manager (openbox), and a thread of the test types and clicks
// through the server's test extension (XTest) as the user's keyboard and mouse do.
#include "BatchFixture.h"
#include "ProfileFolder.h"
#include "ScriptedResponder.h"
#include "platform/QtUiResponder.h"

#include <QAbstractNativeEventFilter>
#include <QApplication>
#include <QByteArray>
#include <QMessageBox>
#include <QPoint>
#include <QTimer>

#include <gtest/gtest.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <optional>
#include <ostream>
#include <stop_token>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

// A child process with its output thrown away, which goes with the test however the test ends (a
// time-out kills it, a failed check aborts it); -1 when it cannot be started.
pid_t Spawn(std::vector<std::string> args)
{
    std::vector<char*> argv;
    for (std::string& arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    // Tells the parent why the program could not be run; closed by a successful exec.
    int status[2];
    if (::pipe2(status, O_CLOEXEC) != 0)
        return -1;
    const pid_t parent = ::getpid();
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::prctl(PR_SET_PDEATHSIG, SIGTERM);
        if (::getppid() != parent)
            ::_exit(127);
        const int null = ::open("/dev/null", O_WRONLY);
        ::dup2(null, STDOUT_FILENO);
        ::dup2(null, STDERR_FILENO);
        ::execvp(argv[0], argv.data());
        const int error = errno;
        (void)!::write(status[1], &error, sizeof error);
        ::_exit(127);
    }
    ::close(status[1]);
    int error = 0;
    const bool failed = pid < 0 || ::read(status[0], &error, sizeof error) > 0;
    ::close(status[0]);
    if (failed && pid > 0)
        ::waitpid(pid, nullptr, 0);
    return failed ? -1 : pid;
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
        const std::string number = m_server < 0 ? std::string() : ReadLine(fds[0], 20s);
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
        if (!x)
            problem = "the X server takes no connection";
        else if (!XTestQueryExtension(x, &event, &error, &major, &minor))
            problem = "the X server has no XTest extension";
        else if (!AwaitWindowManager(x))
            problem = "openbox did not start managing windows";
        else if (!AwaitFocusOnNewWindows(x))
            problem = "openbox does not give new windows the focus";
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

    // Openbox announces itself before it is ready to focus what is mapped: a window mapped in
    // between (the first test's main window) may never get the focus.
    static bool AwaitFocusOnNewWindows(Display* x)
    {
        for (const Clock::time_point end = Clock::now() + 20s; Clock::now() < end;) {
            const Window probe = XCreateSimpleWindow(x, DefaultRootWindow(x), 0, 0, 40, 40, 0, 0, 0);
            XMapWindow(x, probe);
            XFlush(x);
            bool focused = false;
            for (const Clock::time_point tried = Clock::now() + 500ms; !focused && Clock::now() < tried;
                 std::this_thread::sleep_for(10ms)) {
                Window focus = None;
                int revert = 0;
                XGetInputFocus(x, &focus, &revert);
                focused = focus == probe;
            }
            XDestroyWindow(x, probe);
            XSync(x, False);
            if (focused)
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

// What the main thread and the user's thread tell each other. The main thread looks at the
// program every 5 ms, from the pumps of the run, the loops of its boxes and the test's own waits,
// and at the start of a delay line, which then blocks it.
struct Shared {
    std::atomic<unsigned long> popup{0};
    std::atomic<bool> popupActive{false};
    std::atomic<bool> mainActive{false};
    std::atomic<bool> boxActive{false};
    std::atomic<bool> sleeping{false};
    // Where the user clicks: the centres of Enter and of the progress window's Cancel, each in its
    // window. The window manager may still move a window: the server says where it is on the screen.
    std::atomic<unsigned long> main{0};
    std::atomic<QPoint> enter{};
    std::atomic<QPoint> cancel{};
    std::atomic<bool> ended{false};
    std::atomic<Clock::time_point> firstPress{};
    std::atomic<Clock::time_point> letGo{};
    std::atomic<Clock::time_point> control{};
    std::atomic<bool> forced{false};
    std::atomic<bool> done{false};
    // Written by the user's thread alone, read once it is over.
    std::string problem;
};

// The user's keyboard and mouse, on a connection of their own, with the server's auto-repeat on.
class XUser {
public:
    XUser(std::stop_token stop, Shared& s) : m_stop(std::move(stop)), m_s(s), m_x(XOpenDisplay(g_x->display.c_str()))
    {
        if (!m_x) {
            s.problem = "the user's thread cannot connect to the X server";
            return;
        }
        XAutoRepeatOn(m_x);
        m_escape = XKeysymToKeycode(m_x, XK_Escape);
    }
    ~XUser()
    {
        if (m_x)
            XCloseDisplay(m_x);
    }
    XUser(const XUser&) = delete;
    XUser& operator=(const XUser&) = delete;

    // Whether the user can go on: connected, and nothing went wrong so far.
    bool Ok() const { return m_x && m_s.problem.empty(); }

    template <class Condition>
    bool WaitFor(const Condition& condition, std::chrono::milliseconds limit) const
    {
        for (const Clock::time_point end = Clock::now() + limit; !m_stop.stop_requested() && Clock::now() < end;
             std::this_thread::sleep_for(5ms))
            if (condition())
                return true;
        return condition();
    }

    // Waits, or says what the user did not see.
    template <class Condition>
    bool Expect(const Condition& condition, std::chrono::milliseconds limit, const char* otherwise)
    {
        if (Ok() && !WaitFor(condition, limit))
            m_s.problem = otherwise;
        return Ok();
    }

    void SleepUntil(Clock::time_point when) const
    {
        WaitFor([this, when] { return m_s.ended || Clock::now() >= when; }, 10s);
    }

    void Key(bool down) const
    {
        XTestFakeKeyEvent(m_x, m_escape, down, CurrentTime);
        XFlush(m_x);
    }

    void Escape(std::chrono::milliseconds held) const
    {
        Key(true);
        std::this_thread::sleep_for(held);
        Key(false);
    }

    // Clicks at the point of the window, wherever the window is on the screen now, once the
    // window manager has put it there.
    void Click(unsigned long window, QPoint at) const
    {
        WaitFor(
            [this, window] {
                XWindowAttributes attributes{};
                return XGetWindowAttributes(m_x, window, &attributes) && attributes.map_state == IsViewable;
            },
            3s);
        int x = 0;
        int y = 0;
        Window child = None;
        XTranslateCoordinates(m_x, window, DefaultRootWindow(m_x), at.x(), at.y(), &x, &y, &child);
        XTestFakeMotionEvent(m_x, -1, x, y, CurrentTime);
        XTestFakeButtonEvent(m_x, 1, True, CurrentTime);
        XTestFakeButtonEvent(m_x, 1, False, CurrentTime);
        XFlush(m_x);
    }

    // Escape pressed `presses` times from now, `every` apart, each held down for `held`; from the
    // first press on the program must stay until the control Escape, which comes two seconds after
    // the key was let go and no sooner than three seconds after the first press.
    void EscapesThenTheControl(int presses, std::chrono::milliseconds every, std::chrono::milliseconds held)
    {
        if (!Ok())
            return;
        const Clock::time_point first = Clock::now();
        m_s.firstPress = first;
        for (int i = 0; i < presses; ++i) {
            SleepUntil(first + i * every);
            Escape(held);
        }
        m_s.letGo = Clock::now();
        SleepUntil(std::max(m_s.letGo.load() + 2s, first + 3s));
        if (m_s.ended)
            return;
        if (!WaitFor([this] { return m_s.mainActive.load(); }, 2s))
            m_s.problem = "the main window was not active for the control Escape";
        m_s.control = Clock::now();
        Escape(30ms);
    }

    // A run, box or dialog that does not end is ended after a while, as the box's Cancel and the
    // dialog's close box do.
    void Finish(CVexbusDlg* dialog)
    {
        if (!WaitFor([this] { return m_s.ended.load(); }, 5s)) {
            m_s.forced = true;
            QMetaObject::invokeMethod(
                dialog,
                [dialog] {
                    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
                        box->reject();
                    dialog->close();
                },
                Qt::QueuedConnection);
        }
    }

private:
    std::stop_token m_stop;
    Shared& m_s;
    Display* m_x;
    KeyCode m_escape = 0;
};

// The centre of the widget in its window.
QPoint Centre(const QWidget* widget)
{
    return widget ? widget->mapTo(widget->window(), widget->rect().center()) : QPoint();
}

std::chrono::milliseconds Ms(Clock::duration d)
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(d);
}

// The program's own boxes, shown by Qt; Load's file dialog answered with the batch file.
class QtBoxes : public QtUiResponder {
public:
    explicit QtBoxes(std::string path) : m_path(std::move(path)) {}
    std::optional<std::string> FileDialog(const FileDialogRequest&) override { return m_path; }

private:
    std::string m_path;
};

class EscapeOnTheKeyboard : public BatchFixture {
protected:
    void SetUp() override
    {
        if (!g_x->noServer.empty())
            GTEST_SKIP() << "no X server could start: " << g_x->noServer;
        ASSERT_EQ(g_x->problem, "");
        BatchFixture::SetUp();
        Display* x = XOpenDisplay(g_x->display.c_str());
        ASSERT_NE(x, nullptr);
        presses.emplace(static_cast<xcb_keycode_t>(XKeysymToKeycode(x, XK_Escape)));
        XCloseDisplay(x);

        look.setInterval(5);
        look.callOnTimeout([this] {
            QWidget* popup = Popup();
            s.popup = popup ? popup->winId() : 0;
            s.popupActive = popup && QApplication::activeWindow() == popup;
            s.mainActive = QApplication::activeWindow() == dlg.get();
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            s.boxActive = box && QApplication::activeWindow() == box;
        });
        look.start();
        QObject::connect(dlg.get(), &QDialog::finished, [this] {
            ended = Clock::now();
            s.ended = true;
        });
    }

    void TearDown() override
    {
        look.stop();
        presses.reset();
        BatchFixture::TearDown();
    }

    // Loads the file while the user acts, and waits for the user to be done.
    template <class Act>
    void LoadWhileTheUser(const std::string& path, Act act)
    {
        std::jthread user([this, act](std::stop_token stop) {
            XUser u(stop, s);
            act(u);
            if (dialogEnds)
                u.Finish(dlg.get());
            s.done = true;
        });
        Load(path);
        runOver = Clock::now();
        ASSERT_TRUE(QTest::qWaitFor([this] { return s.done.load(); }, 30000));
        user.join();
        look.stop();
        ASSERT_EQ(s.problem, "");
        EXPECT_FALSE(s.forced) << "the run, a box or the dialog did not end";
    }

    // The dialog ended by the control Escape, not before: the program stayed with its log.
    void ExpectEndedByTheControl() const
    {
        ASSERT_TRUE(ended.has_value());
        EXPECT_EQ(dlg->result(), QDialog::Rejected);
        const Clock::time_point first = s.firstPress;
        EXPECT_NE(s.control.load(), Clock::time_point{})
            << "the dialog ended " << Ms(*ended - first).count() << " ms after the first Escape, before the control";
        if (s.control.load() != Clock::time_point{}) {
            EXPECT_GE(*ended, s.control.load()) << "the control Escape ended the dialog";
        }
    }

    Shared s;
    // Whether the user's Escapes end the dialog at last; else the test ends it.
    bool dialogEnds = true;
    QTimer look;
    std::optional<ServerPresses> presses;
    std::optional<Clock::time_point> ended;
    Clock::time_point runOver;
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

class EscapeTwiceOrHeld : public EscapeOnTheKeyboard, public testing::WithParamInterface<KeyCase> {};

} // namespace

// Escape pressed twice or held down during a run: the first press cancels it, and neither the
// second press nor the repeats reach a window, so the program stays with its log. Two seconds
// after the key was let go, Escape ends the dialog as ever.
TEST_P(EscapeTwiceOrHeld, StaysWithTheRunAndTheProgramStays)
{
    const KeyCase& c = GetParam();
    const std::string path = WriteFile("loop.txt", "loop:\ni2cw 1a 10 01\ndelay 20\ngoto loop\n");

    LoadWhileTheUser(path, [this, &c](XUser& u) {
        if (!u.Expect([this] { return s.popup != 0; }, 10s, "the run's progress window did not show"))
            return;
        std::this_thread::sleep_for(300ms);
        if (c.inProgressWindow)
            u.Click(s.popup, QPoint(30, 15));
        std::atomic<bool>& active = c.inProgressWindow ? s.popupActive : s.mainActive;
        if (u.Expect([&active] { return active.load(); }, 3s,
                     c.inProgressWindow ? "a click did not make the progress window active"
                                        : "the main window was not active"))
            u.EscapesThenTheControl(c.presses, c.every, c.held);
    });

    EXPECT_LT(Ms(runOver - s.firstPress.load()).count(), 1500) << "the first Escape cancels the run";
    EXPECT_FALSE(RunLog(path).empty());
    if (c.held >= 1s) {
        EXPECT_GE(presses->count, 10) << "the server repeats a key held down";
    }
    ExpectEndedByTheControl();
}

INSTANTIATE_TEST_SUITE_P(Keys, EscapeTwiceOrHeld, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<KeyCase>& info) { return std::string(info.param.name); });

namespace {

struct PendingCase {
    const char* name;
    bool escape;
};

void PrintTo(const PendingCase& c, std::ostream* os)
{
    *os << c.name;
}

class ClickBehindTheCancel : public EscapeOnTheKeyboard, public testing::WithParamInterface<PendingCase> {};

} // namespace

// Escape, or a click on the progress window's Cancel, and then a click on Enter, while a delay line
// blocks the program: the pump after the delay cancels at the first and holds the click back, so
// that its command runs after the run, not inside it.
TEST_P(ClickBehindTheCancel, RunsItsCommandAfterTheDoneLine)
{
    const PendingCase& c = GetParam();
    const std::string path = WriteFile("delay.txt", "i2cw 1a 10 01\ndelay 3e8\ni2cw 1a 10 02\n");
    Probe(*dlg).CmdLine()->setText(QStringLiteral("i2cw 1a 20 05"));
    ui.onSleep = [this](unsigned milliseconds) {
        s.main = dlg->winId();
        s.enter = Centre(Button(CVexbusDlg::IDC_ENTER));
        QWidget* popup = Popup();
        s.popup = popup ? popup->winId() : 0;
        s.cancel = Centre(popup ? CancelButton(popup) : nullptr);
        s.mainActive = QApplication::activeWindow() == dlg.get();
        s.sleeping = true;
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
    };

    dialogEnds = false;

    LoadWhileTheUser(path, [this, &c](XUser& u) {
        if (!u.Expect([this] { return s.sleeping.load(); }, 10s, "the delay line did not start") ||
            !u.Expect([this] { return s.mainActive.load(); }, 0ms, "the main window was not active"))
            return;
        std::this_thread::sleep_for(200ms);
        if (c.escape)
            u.Escape(30ms);
        else
            u.Click(s.popup, s.cancel);
        std::this_thread::sleep_for(100ms);
        u.Click(s.main, s.enter);
    });
    // The held-back click goes out once the run is over.
    EXPECT_TRUE(QTest::qWaitFor([this] { return Log().back() == "i2cw 1a 20 05"; }, 3000));

    const std::vector<std::string> lines = Log();
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(std::vector<std::string>(lines.end() - 3, lines.end()),
              (std::vector<std::string>{"i2cw 1a 10 01", Done(path), "i2cw 1a 20 05"}));
    EXPECT_EQ(Writes(), (std::vector<std::string>{"1a 10 01", "1a 20 05"}));
    EXPECT_FALSE(ended.has_value()) << "the dialog ended";
    EXPECT_TRUE(dlg->isVisible());
}

INSTANTIATE_TEST_SUITE_P(Cancels, ClickBehindTheCancel,
                         testing::Values(PendingCase{"Escape", true}, PendingCase{"CancelButton", false}),
                         [](const testing::TestParamInfo<PendingCase>& info) { return std::string(info.param.name); });

namespace {

struct BoxCase {
    const char* name;
    std::chrono::milliseconds held;
    // The lines the run logs.
    std::vector<std::string> log;
};

void PrintTo(const BoxCase& c, std::ostream* os)
{
    *os << c.name;
}

// When the first message box goes, as the user sees it go.
class BoxGone : public QObject {
public:
    std::optional<Clock::time_point> at;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Hide && !at && qobject_cast<QMessageBox*>(watched))
            at = Clock::now();
        return false;
    }
};

class EscapeInAPauseBox : public EscapeOnTheKeyboard, public testing::WithParamInterface<BoxCase> {};

} // namespace

// Escape in the box of a "pause" line closes the box as its Cancel does, and the run goes on.
// Held down, its repeats come once the box has gone: they reach the main window, and the pump of
// the line after the delay cancels the run there. Either way the program stays.
TEST_P(EscapeInAPauseBox, ClosesTheBoxAndTheProgramStays)
{
    const BoxCase& c = GetParam();
    const std::string path = WriteFile("pause.txt", "i2cw 1a 10 01\npause\ndelay 3e8\ni2cw 1a 10 02\n");
    QtBoxes boxes(path);
    SetUiResponder(&boxes);
    BoxGone gone;
    qApp->installEventFilter(&gone);

    LoadWhileTheUser(path, [this, &c](XUser& u) {
        if (!u.Expect([this] { return s.boxActive.load(); }, 10s, "the pause box was not active"))
            return;
        std::this_thread::sleep_for(300ms);
        u.EscapesThenTheControl(1, 0ms, c.held);
    });
    SetUiResponder(&ui);
    qApp->removeEventFilter(&gone);

    ASSERT_TRUE(gone.at.has_value()) << "the box stayed";
    EXPECT_LT(Ms(*gone.at - s.firstPress.load()).count(), 500) << "the first press closed the box";
    EXPECT_EQ(RunLog(path), c.log);
    if (c.held >= 1s) {
        EXPECT_GE(presses->count, 10) << "the server repeats a key held down";
    }
    ExpectEndedByTheControl();
}

INSTANTIATE_TEST_SUITE_P(Keys, EscapeInAPauseBox,
                         testing::Values(BoxCase{"Pressed", 30ms, {"i2cw 1a 10 01", "i2cw 1a 10 02"}},
                                         BoxCase{"Held1500ms", 1500ms, {"i2cw 1a 10 01"}}),
                         [](const testing::TestParamInfo<BoxCase>& info) { return std::string(info.param.name); });

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
