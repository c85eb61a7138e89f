#include "widgets/ProgressWnd.h"
#include "EventCounter.h"
#include "ScreenProbe.h"
#include "platform/UiServices.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QWindow>

#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <ostream>
#include <string>

namespace {

QLabel* Text(const CProgressWnd& p)
{
    return p.GetWindow()->findChild<QLabel*>();
}

// Lets the window catch up with the latest text, position and caption.
void CatchUp(const CProgressWnd& p)
{
    const auto* timer = p.GetWindow()->findChild<QTimer*>();
    QElapsedTimer clock;
    clock.start();
    while (timer->isActive() && clock.elapsed() < 5000) {
        QThread::msleep(5);
        QCoreApplication::processEvents();
    }
}

QString ShownText(const CProgressWnd& p)
{
    CatchUp(p);
    return Text(p)->text();
}

QString ShownCaption(const CProgressWnd& p)
{
    CatchUp(p);
    return p.GetWindow()->windowTitle();
}

QProgressBar* Bar(const CProgressWnd& p)
{
    return p.GetWindow()->findChild<QProgressBar*>();
}

QPushButton* Button(const CProgressWnd& p)
{
    return p.GetWindow()->findChild<QPushButton*>();
}

void PostEscape(QObject* receiver)
{
    QCoreApplication::postEvent(receiver, new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier,
                                                        QStringLiteral("\x1b")));
}

void PostMouse(QWidget* receiver, QEvent::Type type)
{
    const QPointF local(receiver->width() / 2.0, receiver->height() / 2.0);
    const QPointF global = receiver->mapToGlobal(local);
    const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
    QCoreApplication::postEvent(receiver, new QMouseEvent(type, local, global, Qt::LeftButton, held, Qt::NoModifier));
}

QRect Available()
{
    return QGuiApplication::primaryScreen()->availableGeometry();
}

bool CentredIn(const QRect& outer, const QWidget* wnd)
{
    const QPoint delta = wnd->frameGeometry().center() - outer.center();
    return std::abs(delta.x()) <= 1 && std::abs(delta.y()) <= 1;
}

class ProgressWndTest : public testing::Test {
protected:
    void SetUp() override { std::filesystem::remove(ProfilePath()); }
    void TearDown() override { Flush(); }

    // Runs what is queued, deferred deletions included.
    static void Flush()
    {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

TEST_F(ProgressWndTest, ProfileLivesInTheTestsOwnConfigFolder)
{
    const std::string config = qEnvironmentVariable("XDG_CONFIG_HOME").toStdString();
    ASSERT_FALSE(config.empty());
    EXPECT_EQ(ProfilePath().rfind(config, 0), 0u) << ProfilePath();
}

TEST_F(ProgressWndTest, NewWindowIsATopMostToolWindowWithACaptionBarAloneShownWithoutActivation)
{
    CProgressWnd p(nullptr, QStringLiteral("Write to target machine"));
    QWidget* wnd = p.GetWindow();
    ASSERT_NE(wnd, nullptr);
    Flush();

    EXPECT_TRUE(wnd->isVisible());
    EXPECT_EQ(wnd->windowTitle(), QStringLiteral("Write to target machine"));
    const Qt::WindowFlags flags = wnd->windowFlags();
    EXPECT_TRUE(flags & Qt::WindowStaysOnTopHint);
    // A caption bar alone: the hints that Qt hands to the window manager name no button and no
    // system menu, so that nothing offers to minimise the window and hide its Cancel.
    EXPECT_TRUE(flags & Qt::CustomizeWindowHint);
    EXPECT_TRUE(flags & Qt::WindowTitleHint);
    EXPECT_EQ(flags & (Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint |
                       Qt::WindowContextHelpButtonHint | Qt::WindowFullscreenButtonHint),
              Qt::WindowFlags());
    EXPECT_EQ(wnd->windowHandle()->flags(), flags);
    EXPECT_TRUE(wnd->testAttribute(Qt::WA_ShowWithoutActivating));
    EXPECT_FALSE(p.IsCancelled());

    EXPECT_EQ(Button(p)->text(), QStringLiteral(" Cancel "));
    EXPECT_TRUE(Text(p)->text().isEmpty());
    EXPECT_EQ(Bar(p)->minimum(), 0);
    EXPECT_EQ(Bar(p)->maximum(), 100);
    EXPECT_EQ(Bar(p)->value(), 0);
}

// For a user that never pumps: the window just created is on the screen as it paints itself,
// while the program's input and timers wait for the event loop, where nothing of them is lost.
TEST_F(ProgressWndTest, ShowNowPaintsANewWindowWithoutDispatchingOthersInputOrTimers)
{
    PendingWork pending;
    CProgressWnd p(&pending.Window(), QStringLiteral("Save to txt"));
    QWidget* wnd = p.GetWindow();
    EXPECT_NE(OnScreen(wnd), Rendered(wnd)) << "shown, yet not painted";
    p.ShowNow();
    EXPECT_EQ(OnScreen(wnd), Rendered(wnd));
    EXPECT_FALSE(pending.TimedOut());
    EXPECT_EQ(pending.Clicks(), 0);

    Flush();
    EXPECT_TRUE(pending.TimedOut());
    EXPECT_EQ(pending.Clicks(), 1);
}

// A window that the window system does not expose (shown on another desktop, or minimised with
// the main window) is waited for at its first showing only: a "delay" line shows the window with
// ShowNow, and waiting again there would add the whole wait to every such line.
TEST_F(ProgressWndTest, ShowNowWaitsForTheExposureOfAWindowsFirstShowingOnly)
{
    QObject receiver;
    const EventCounter dispatched(&receiver, QEvent::User);
    // Keeps the shown window from the screen; then whether ShowNow waits for it, as seen by the
    // event posted before, which only a wait dispatches.
    const auto waitsWhenUnexposed = [&receiver, &dispatched](CProgressWnd& p) {
        QWidget* wnd = p.GetWindow();
        wnd->hide();
        QCoreApplication::processEvents();
        wnd->setAttribute(Qt::WA_DontShowOnScreen);
        wnd->show();
        EXPECT_TRUE(wnd->isVisible() && !wnd->windowHandle()->isExposed());
        const int before = dispatched.Count();
        QCoreApplication::postEvent(&receiver, new QEvent(QEvent::User));
        p.ShowNow();
        const bool waited = dispatched.Count() != before;
        Flush();
        EXPECT_EQ(dispatched.Count(), before + 1);
        return waited;
    };

    CProgressWnd pumped(nullptr, QStringLiteral("Pumped"));
    pumped.PumpMessages(false);
    EXPECT_FALSE(waitsWhenUnexposed(pumped)) << "waited for a window that was pumped before";

    CProgressWnd waited(nullptr, QStringLiteral("Waited"));
    waited.ShowNow();
    EXPECT_FALSE(waitsWhenUnexposed(waited)) << "waited twice for the same window";
}

TEST_F(ProgressWndTest, LayoutGivesFourTextLinesAndPutsTheBarBesideTheButtonBelow)
{
    CProgressWnd p(nullptr, QStringLiteral("Layout"));
    const QRect text = Text(p)->geometry();
    const QRect bar = Bar(p)->geometry();
    const QRect button = Button(p)->geometry();
    const QFontMetrics fm(Text(p)->font());

    EXPECT_EQ(p.GetWindow()->width(), 410);
    EXPECT_EQ(text, QRect(10, 10, 390, text.height()));
    EXPECT_GE(text.height(), 4 * fm.height());
    EXPECT_LT(text.height(), 5 * fm.height());

    EXPECT_EQ(button.right(), text.right());
    EXPECT_EQ(button.top(), text.bottom() + 1 + 10);
    EXPECT_GE(button.width(), fm.horizontalAdvance(QStringLiteral(" Cancel ")));
    EXPECT_GE(button.height(), fm.height());

    EXPECT_EQ(bar.left(), 10);
    EXPECT_EQ(bar.right() + 1 + 10, button.left());
    EXPECT_GT(bar.top(), button.top());
    EXPECT_LT(bar.bottom(), button.bottom());

    EXPECT_EQ(p.GetWindow()->height(), text.height() + button.height() + 30);
    EXPECT_FALSE(Text(p)->wordWrap());
    EXPECT_EQ(Text(p)->textFormat(), Qt::PlainText);
}

struct PercentCase {
    const char* name;
    int lower;
    int upper;
    int pos;
    const char* caption;
    int barValue;
};

void PrintTo(const PercentCase& c, std::ostream* os)
{
    *os << c.name;
}

class ProgressPercentTest : public ProgressWndTest, public testing::WithParamInterface<PercentCase> {};

TEST_P(ProgressPercentTest, CaptionShowsTheWholePercentage)
{
    const PercentCase& c = GetParam();
    CProgressWnd p(nullptr, QStringLiteral("T"));
    p.SetRange(c.lower, c.upper, 1);
    p.SetPos(c.pos);
    EXPECT_EQ(p.GetWindow()->windowTitle().toStdString(), c.caption);
    EXPECT_EQ(Bar(p)->value(), c.barValue);
}

INSTANTIATE_TEST_SUITE_P(
    Ranges, ProgressPercentTest,
    testing::Values(PercentCase{"Half", 0, 10, 5, "T [50%]", 5}, PercentCase{"Overrun", 0, 10, 15, "T [150%]", 10},
                    PercentCase{"LowerNotSubtracted", 50, 150, 100, "T [100%]", 100},
                    PercentCase{"BelowRange", 50, 150, -7, "T [-7%]", 50},
                    PercentCase{"Negative", 0, 10, -5, "T [-50%]", 0}, PercentCase{"EmptyRange", 7, 7, 7, "T", 0},
                    PercentCase{"ReversedRange", 10, 0, 5, "T", 0}, PercentCase{"ZeroRange", 0, 0, 1, "T", 0},
                    PercentCase{"FullIntRange", 0, INT_MAX, INT_MAX, "T [100%]", INT_MAX},
                    PercentCase{"WidestRange", INT_MIN + 1, INT_MAX, INT_MAX, "T [50%]", INT_MAX},
                    PercentCase{"HugePosition", 0, 1, INT_MAX, "T [2147483647%]", 1},
                    PercentCase{"MostNegative", 0, 1, INT_MIN, "T [-2147483648%]", 0}),
    [](const testing::TestParamInfo<PercentCase>& info) { return std::string(info.param.name); });

TEST_F(ProgressWndTest, CaptionIsRewrittenOnlyWhenThePercentageChanges)
{
    CProgressWnd p(nullptr, QStringLiteral("Write to target machine"));
    int changes = 0;
    QObject::connect(p.GetWindow(), &QWidget::windowTitleChanged, [&changes] { ++changes; });
    p.SetRange(0, 500, 1);

    for (int i = 0; i < 4; ++i)
        p.StepIt();
    EXPECT_EQ(ShownCaption(p), QStringLiteral("Write to target machine"));
    EXPECT_EQ(changes, 0);

    p.StepIt();
    EXPECT_EQ(ShownCaption(p), QStringLiteral("Write to target machine [1%]"));
    EXPECT_EQ(changes, 1);

    // Faster than the pace: the caption catches up with the last percentage, skipping some.
    for (int i = 5; i < 500; ++i)
        p.StepIt();
    EXPECT_EQ(ShownCaption(p), QStringLiteral("Write to target machine [100%]"));
    EXPECT_LE(changes, 100);
}

TEST_F(ProgressWndTest, TitleWithPlaceholdersIsShownAsIs)
{
    CProgressWnd p(nullptr, QStringLiteral("50%1 %2 done"));
    p.SetPos(42);
    EXPECT_EQ(p.GetWindow()->windowTitle(), QStringLiteral("50%1 %2 done [42%]"));
}

TEST_F(ProgressWndTest, PositionOperationsReturnTheBarsPreviousPosition)
{
    CProgressWnd p(nullptr, QStringLiteral("T"));
    p.SetRange(0, 20, 3);
    EXPECT_EQ(p.StepIt(), 0);
    EXPECT_EQ(p.StepIt(), 3);
    EXPECT_EQ(p.OffsetPos(-2), 6);
    EXPECT_EQ(p.SetPos(30), 4);
    EXPECT_EQ(p.SetPos(1), 20) << "the bar stops at the upper bound";
    EXPECT_EQ(p.SetStep(5), 3);
    EXPECT_EQ(p.StepIt(), 1);
    EXPECT_EQ(Bar(p)->value(), 6);

    p.SetRange(0, 4, 1);
    EXPECT_EQ(Bar(p)->value(), 4) << "a narrower range clamps the bar";
}

TEST_F(ProgressWndTest, SteppingPastTheIntegerLimitsSaturates)
{
    CProgressWnd p(nullptr, QStringLiteral("T"));
    p.SetRange(0, INT_MAX, INT_MAX);
    p.SetPos(INT_MAX - 1);
    p.StepIt();
    EXPECT_EQ(p.SetPos(0), INT_MAX);
    p.SetPos(INT_MIN + 1);
    EXPECT_EQ(p.OffsetPos(INT_MIN), 0);
    EXPECT_EQ(ShownCaption(p), QStringLiteral("T [-100%]"));
}

TEST_F(ProgressWndTest, SetTextFormatsAndCutsAtTheBuffer)
{
    CProgressWnd p(nullptr, QStringLiteral("T"));

    p.SetText("Writing line %d - %s", 7, "rem 50% & more\n");
    EXPECT_EQ(Text(p)->text(), QStringLiteral("Writing line 7 - rem 50% & more\n")) << "the first text shows at once";

    const std::string longLine(2000, 'x');
    p.SetText("%s", longLine.c_str());
    EXPECT_EQ(ShownText(p).size(), CProgressWnd::TextBufferSize - 1);

    // 256 two-byte characters: the cut falls inside the last one, which must go whole.
    std::string accents;
    for (int i = 0; i < 256; ++i)
        accents += "\xc3\xa9";
    p.SetText("%s", accents.c_str());
    EXPECT_EQ(ShownText(p), QString(255, QChar(0xE9)));
}

TEST_F(ProgressWndTest, CancelButtonDispatchedByThePumpCancelsAndHides)
{
    QWidget main;
    main.show();
    CProgressWnd p(&main, QStringLiteral("T"));
    p.SetRange(0, 10, 1);
    p.StepIt();

    PostMouse(Button(p), QEvent::MouseButtonPress);
    PostMouse(Button(p), QEvent::MouseButtonRelease);
    p.PumpMessages(false);
    EXPECT_TRUE(p.IsCancelled());
    EXPECT_FALSE(p.GetWindow()->isVisible());
    Flush();
    EXPECT_EQ(QApplication::activeWindow(), &main) << "the main window comes to the front";

    // Once cancelled the pump dispatches nothing.
    int dispatched = 0;
    QMetaObject::invokeMethod(
        qApp, [&dispatched] { ++dispatched; }, Qt::QueuedConnection);
    p.PumpMessages(true);
    EXPECT_EQ(dispatched, 0);
    Flush();
    EXPECT_EQ(dispatched, 1);

    // Stepping shows the window again; the cancel stays until Clear.
    p.StepIt();
    EXPECT_TRUE(p.GetWindow()->isVisible());
    EXPECT_TRUE(p.IsCancelled());
    p.SetText("still here");
    p.Clear();
    EXPECT_FALSE(p.IsCancelled());
    EXPECT_TRUE(Text(p)->text().isEmpty());
    EXPECT_EQ(Bar(p)->value(), 0);
    EXPECT_EQ(ShownCaption(p), QStringLiteral("T [0%]"));
}

struct EscapeCase {
    const char* name;
    bool escapeCancels;
    bool toProgressWindow;
    bool expectCancel;
};

void PrintTo(const EscapeCase& c, std::ostream* os)
{
    *os << c.name;
}

class ProgressEscapeTest : public ProgressWndTest, public testing::WithParamInterface<EscapeCase> {};

TEST_P(ProgressEscapeTest, QueuedEscapeCancelsOnlyWhenAllowed)
{
    const EscapeCase& c = GetParam();
    QLineEdit main;
    main.show();
    main.setFocus();
    CProgressWnd p(&main, QStringLiteral("T"));

    PostEscape(c.toProgressWindow ? static_cast<QObject*>(p.GetWindow()) : &main);
    p.PumpMessages(c.escapeCancels);

    EXPECT_EQ(p.IsCancelled(), c.expectCancel);
    EXPECT_EQ(p.GetWindow()->isVisible(), !c.expectCancel);
}

INSTANTIATE_TEST_SUITE_P(Keys, ProgressEscapeTest,
                         testing::Values(EscapeCase{"ToProgressWindow", true, true, true},
                                         EscapeCase{"ToFocusWidgetElsewhere", true, false, true},
                                         EscapeCase{"IgnoredWhenDisabled", false, true, false}),
                         [](const testing::TestParamInfo<EscapeCase>& info) { return std::string(info.param.name); });

TEST_F(ProgressWndTest, OtherKeysAndEscapeOutsideThePumpDoNotCancel)
{
    CProgressWnd p(nullptr, QStringLiteral("T"));
    QCoreApplication::postEvent(p.GetWindow(),
                                new QKeyEvent(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r")));
    p.PumpMessages(true);
    EXPECT_FALSE(p.IsCancelled());

    PostEscape(p.GetWindow());
    Flush();
    EXPECT_FALSE(p.IsCancelled());
}

// A dialog that an event dispatched by the pump opens runs its own loop: an Escape there is the
// dialog's, not the progress window's.
TEST_F(ProgressWndTest, EscapeInADialogOpenedDuringThePumpDoesNotCancel)
{
    QWidget main;
    main.show();
    CProgressWnd p(&main, QStringLiteral("T"));
    int result = -1;
    QMetaObject::invokeMethod(
        &main,
        [&main, &result] {
            QDialog dialog(&main);
            QTimer::singleShot(0, &dialog, [&dialog] { PostEscape(&dialog); });
            result = dialog.exec();
        },
        Qt::QueuedConnection);
    p.PumpMessages(true);
    EXPECT_EQ(result, QDialog::Rejected) << "the dialog took its Escape";
    EXPECT_FALSE(p.IsCancelled());
    EXPECT_TRUE(p.GetWindow()->isVisible());
}

// The click that cancels is dispatched whole; the clicks and keys queued behind it wait until the
// window is destroyed, while what the program posted goes on.
TEST_F(ProgressWndTest, InputQueuedBehindTheCancelWaitsUntilTheWindowIsDestroyed)
{
    QWidget main;
    auto* enter = new QPushButton(QStringLiteral("Enter"), &main);
    auto* edit = new QLineEdit(&main);
    edit->move(0, 40);
    main.show();
    int clicks = 0;
    QObject::connect(enter, &QPushButton::clicked, [&clicks] { ++clicks; });
    CProgressWnd p(&main, QStringLiteral("T"));
    int calls = 0;

    PostMouse(Button(p), QEvent::MouseButtonPress);
    PostMouse(Button(p), QEvent::MouseButtonRelease);
    PostMouse(enter, QEvent::MouseButtonPress);
    PostMouse(enter, QEvent::MouseButtonRelease);
    QCoreApplication::postEvent(edit, new QKeyEvent(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a")));
    QMetaObject::invokeMethod(
        qApp, [&calls] { ++calls; }, Qt::QueuedConnection);
    p.PumpMessages(true);
    EXPECT_TRUE(p.IsCancelled());
    Flush();
    EXPECT_EQ(clicks, 0);
    EXPECT_TRUE(edit->text().isEmpty());
    EXPECT_EQ(calls, 1);

    p.DestroyWindow();
    Flush();
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(edit->text(), QStringLiteral("a"));
}

// Window managers may draw a close box on the popup anyway: closing it is the Cancel button.
TEST_F(ProgressWndTest, CloseRequestActsAsTheCancelButton)
{
    QWidget main;
    main.show();
    CProgressWnd p(&main, QStringLiteral("T"));
    p.GetWindow()->move(77, 88);
    EXPECT_FALSE(p.GetWindow()->close());
    EXPECT_TRUE(p.IsCancelled());
    ASSERT_NE(p.GetWindow(), nullptr) << "the window stays, hidden";
    EXPECT_FALSE(p.GetWindow()->isVisible());
    EXPECT_TRUE(p.DestroyWindow());
    EXPECT_EQ(GetProfileInt("Settings", "X", -1), 77);

    // Modal: the window goes at once, as the Cancel button makes it go.
    std::filesystem::remove(ProfilePath());
    CProgressWnd modal;
    ASSERT_TRUE(modal.BeginModal(QStringLiteral("Modal")));
    EXPECT_TRUE(modal.GetWindow()->close());
    EXPECT_TRUE(modal.IsCancelled());
    EXPECT_EQ(modal.GetWindow(), nullptr);
    EXPECT_FALSE(modal.DestroyWindow());
    EXPECT_TRUE(main.isEnabled());
    EXPECT_FALSE(std::filesystem::exists(ProfilePath()));
}

// As a window manager's minimise or restore reaches the program: a state change of the native
// window, and what the program does about it.
void StateFromWindowManager(QWidget* wnd, Qt::WindowState state)
{
    wnd->windowHandle()->setWindowState(state);
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

TEST_F(ProgressWndTest, MinimisedByTheWindowManagerTheWindowComesStraightBack)
{
    QWidget main;
    main.show();
    CProgressWnd p(&main, QStringLiteral("T"));
    StateFromWindowManager(p.GetWindow(), Qt::WindowMinimized);
    EXPECT_FALSE(p.GetWindow()->isMinimized());
    EXPECT_EQ(p.GetWindow()->windowHandle()->windowState(), Qt::WindowNoState);
    EXPECT_TRUE(p.GetWindow()->isVisible());
    EXPECT_FALSE(p.IsCancelled());
}

// A window manager that minimises the main window takes the progress window with it, telling of
// the two in an order of its own; both stay minimised until the main window comes back, and then
// the progress window is back too.
TEST_F(ProgressWndTest, MinimisedWithTheMainWindowTheWindowStaysWithIt)
{
    for (const bool mainFirst : {true, false}) {
        SCOPED_TRACE(mainFirst ? "the main window's state first" : "the progress window's state first");
        QWidget main;
        main.show();
        CProgressWnd p(&main, QStringLiteral("T"));
        QWindow* const popup = p.GetWindow()->windowHandle();
        (mainFirst ? main.windowHandle() : popup)->setWindowState(Qt::WindowMinimized);
        (mainFirst ? popup : main.windowHandle())->setWindowState(Qt::WindowMinimized);
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        EXPECT_TRUE(main.isMinimized());
        EXPECT_TRUE(p.GetWindow()->isMinimized());

        StateFromWindowManager(&main, Qt::WindowNoState);
        EXPECT_FALSE(main.isMinimized());
        EXPECT_FALSE(p.GetWindow()->isMinimized());
        EXPECT_FALSE(p.IsCancelled());
    }
}

TEST_F(ProgressWndTest, PositionIsSavedOnDestroyAndRestoredByTheNextWindow)
{
    {
        CProgressWnd p(nullptr, QStringLiteral("T"));
        p.GetWindow()->move(123, 45);
    }
    EXPECT_EQ(GetProfileInt("Settings", "X", -1), 123);
    EXPECT_EQ(GetProfileInt("Settings", "Y", -1), 45);

    CProgressWnd next(nullptr, QStringLiteral("T"));
    EXPECT_EQ(next.GetWindow()->pos(), QPoint(123, 45));
}

TEST_F(ProgressWndTest, TheWindowDestroyedLastWins)
{
    auto first = std::make_unique<CProgressWnd>(nullptr, QStringLiteral("A"));
    auto second = std::make_unique<CProgressWnd>(nullptr, QStringLiteral("B"));
    first->GetWindow()->move(10, 20);
    second->GetWindow()->move(30, 40);
    second.reset();
    first.reset();
    EXPECT_EQ(GetProfileInt("Settings", "X", -1), 10);
    EXPECT_EQ(GetProfileInt("Settings", "Y", -1), 20);
}

TEST_F(ProgressWndTest, SecondDestroyWindowWritesNothing)
{
    CProgressWnd p(nullptr, QStringLiteral("T"));
    EXPECT_TRUE(p.DestroyWindow());
    std::filesystem::remove(ProfilePath());
    EXPECT_FALSE(p.DestroyWindow());
    EXPECT_FALSE(std::filesystem::exists(ProfilePath()));
}

struct PlaceCase {
    const char* name;
    int x; // -2: nothing saved; INT_MAX: the screen's width
    int y; // INT_MAX: the screen's height
    bool centred;
};

void PrintTo(const PlaceCase& c, std::ostream* os)
{
    *os << c.name;
}

class ProgressPlaceTest : public ProgressWndTest, public testing::WithParamInterface<PlaceCase> {};

TEST_P(ProgressPlaceTest, SavedCornerOnTheScreenIsUsedOtherwiseCentred)
{
    const PlaceCase& c = GetParam();
    const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
    const int x = c.x == INT_MAX ? screen.width() : c.x;
    const int y = c.y == INT_MAX ? screen.height() : c.y;
    if (c.x != -2) {
        WriteProfileInt("Settings", "X", x);
        WriteProfileInt("Settings", "Y", y);
    }

    CProgressWnd p(nullptr, QStringLiteral("T"));
    if (c.centred)
        EXPECT_TRUE(CentredIn(Available(), p.GetWindow())) << p.GetWindow()->frameGeometry().x();
    else
        EXPECT_EQ(p.GetWindow()->pos(), QPoint(x, y));
}

INSTANTIATE_TEST_SUITE_P(Saved, ProgressPlaceTest,
                         testing::Values(PlaceCase{"NothingSaved", -2, -2, true}, PlaceCase{"Missing", -1, 0, true},
                                         PlaceCase{"TopLeftCorner", 0, 0, false}, PlaceCase{"Inside", 50, 60, false},
                                         PlaceCase{"RightOfScreen", INT_MAX, 0, true},
                                         PlaceCase{"BelowScreen", 0, INT_MAX, true},
                                         PlaceCase{"Negative", 10, -30, true}),
                         [](const testing::TestParamInfo<PlaceCase>& info) { return std::string(info.param.name); });

TEST_F(ProgressWndTest, OffScreenPositionCentresOverAVisibleParent)
{
    WriteProfileInt("Settings", "X", -1);
    QWidget main;
    main.setGeometry(40, 50, 500, 300);
    main.show();
    CProgressWnd p(&main, QStringLiteral("T"));
    EXPECT_TRUE(CentredIn(main.frameGeometry(), p.GetWindow()));
}

// Each way in which the window can go while its user still holds the object.
struct LossCase {
    const char* name;
    std::function<void(CProgressWnd&, std::unique_ptr<QWidget>&)> lose;
    bool positionSaved;
};

void PrintTo(const LossCase& c, std::ostream* os)
{
    *os << c.name;
}

class ProgressLossTest : public ProgressWndTest, public testing::WithParamInterface<LossCase> {};

TEST_P(ProgressLossTest, UseAfterTheWindowIsGoneIsHarmless)
{
    const LossCase& c = GetParam();
    auto main = std::make_unique<QWidget>();
    main->show();
    CProgressWnd p(main.get(), QStringLiteral("T"));
    p.SetRange(0, 10, 1);
    p.StepIt();
    p.GetWindow()->move(77, 88);

    c.lose(p, main);
    EXPECT_EQ(p.GetWindow(), nullptr);
    Flush();

    p.SetText("Writing line %d - %s", 2, "x");
    p.SetRange(0, 1000, 5);
    EXPECT_EQ(p.StepIt(), 1);
    EXPECT_EQ(p.OffsetPos(3), 1);
    EXPECT_EQ(p.SetPos(9), 1);
    EXPECT_EQ(p.SetStep(2), 1) << "SetRange stored nothing";
    p.Show();
    p.Hide();
    p.Clear();
    p.PumpMessages(true);
    EXPECT_FALSE(p.IsCancelled());
    EXPECT_EQ(p.GetWindow(), nullptr);
    EXPECT_FALSE(p.DestroyWindow());

    EXPECT_EQ(GetProfileInt("Settings", "X", -1), c.positionSaved ? 77 : -1);
}

INSTANTIATE_TEST_SUITE_P(
    Ways, ProgressLossTest,
    testing::Values(LossCase{"DestroyWindow", [](CProgressWnd& p, auto&) { EXPECT_TRUE(p.DestroyWindow()); }, true},
                    LossCase{"DeletedBySomeoneElse", [](CProgressWnd& p, auto&) { delete p.GetWindow(); }, false},
                    LossCase{"ParentDestroyed", [](CProgressWnd&, auto& main) { main.reset(); }, false}),
    [](const testing::TestParamInfo<LossCase>& info) { return std::string(info.param.name); });

TEST_F(ProgressWndTest, ModalModeDisablesTheMainWindowUntilDestroyWindow)
{
    QWidget main;
    main.show();
    main.activateWindow();
    Flush();
    ASSERT_EQ(QApplication::activeWindow(), &main);

    CProgressWnd p;
    p.SetRange(0, 10, 2);
    ASSERT_TRUE(p.BeginModal(QStringLiteral("Modal")));
    ASSERT_NE(p.GetWindow(), nullptr);
    EXPECT_FALSE(main.isEnabled());
    EXPECT_TRUE(p.GetWindow()->isEnabled());
    EXPECT_EQ(p.GetWindow()->windowTitle(), QStringLiteral("Modal"));

    EXPECT_EQ(p.StepIt(), 0);
    EXPECT_EQ(p.GetWindow()->windowTitle(), QStringLiteral("Progress [1%]"))
        << "the range set before the window existed was not kept";

    // A release over Cancel during the pump cancels and closes the window without saving.
    PostMouse(Button(p), QEvent::MouseButtonRelease);
    p.PumpMessages(false);
    EXPECT_TRUE(p.IsCancelled());
    EXPECT_EQ(p.GetWindow(), nullptr);
    EXPECT_FALSE(main.isEnabled());

    EXPECT_FALSE(p.DestroyWindow());
    EXPECT_TRUE(main.isEnabled());
    EXPECT_FALSE(std::filesystem::exists(ProfilePath()));
}

TEST_F(ProgressWndTest, NullParentTakesTheMainWindowEvenWhenAnotherProgressWindowIsActive)
{
    QWidget main;
    main.show();
    main.activateWindow();
    Flush();
    CProgressWnd first(nullptr, QStringLiteral("A"));
    first.GetWindow()->activateWindow();
    Flush();
    ASSERT_EQ(QApplication::activeWindow(), first.GetWindow());

    CProgressWnd second(nullptr, QStringLiteral("B"));
    EXPECT_EQ(first.GetWindow()->parentWidget(), &main);
    EXPECT_EQ(second.GetWindow()->parentWidget(), &main);
}

TEST_F(ProgressWndTest, DefaultConstructedObjectHasNoWindow)
{
    CProgressWnd p;
    EXPECT_EQ(p.GetWindow(), nullptr);
    p.SetText("%s", "nothing");
    EXPECT_EQ(p.StepIt(), 0);
    EXPECT_FALSE(p.DestroyWindow());
    EXPECT_FALSE(std::filesystem::exists(ProfilePath()));
}

TEST_F(ProgressWndTest, BatchOfManyLinesRepaintsNeitherTextNorCaptionPerLine)
{
    constexpr int lines = 100000;
    CProgressWnd p(nullptr, QStringLiteral("Write to target machine"));
    const EventCounter textPaints(Text(p), QEvent::Paint);
    int captions = 0;
    QObject::connect(p.GetWindow(), &QWidget::windowTitleChanged, [&captions] { ++captions; });
    p.SetRange(0, lines, 1);
    for (int line = 1; line <= lines && !p.IsCancelled(); ++line) {
        p.SetText("Writing line %d - %s", line, "i2cw 1a 00 01\n");
        p.StepIt();
        p.PumpMessages(true);
    }
    EXPECT_LE(captions, 100);
    EXPECT_LT(textPaints.Count(), lines / 100);
    EXPECT_EQ(ShownCaption(p), QStringLiteral("Write to target machine [100%]"));
    EXPECT_EQ(ShownText(p), QStringLiteral("Writing line 100000 - i2cw 1a 00 01\n"));
}

// A goto loop over a short file changes the percentage on every line; a caption written that
// often floods the window manager, which then holds back the click on Cancel.
TEST_F(ProgressWndTest, CaptionChangingOnEveryLineIsWrittenAtTheTextsPace)
{
    constexpr int lines = 20000;
    CProgressWnd p(nullptr, QStringLiteral("T"));
    int captions = 0;
    QObject::connect(p.GetWindow(), &QWidget::windowTitleChanged, [&captions] { ++captions; });
    p.SetRange(0, 3, 1);
    for (int line = 1; line <= lines; ++line) {
        p.SetText("Writing line %d - %s", line, "goto a\n");
        p.StepIt();
        p.PumpMessages(true);
    }
    EXPECT_LT(captions, lines / 100);
    EXPECT_EQ(ShownCaption(p), QStringLiteral("T [%1%]").arg(lines * 100 / 3));
}

} // namespace
