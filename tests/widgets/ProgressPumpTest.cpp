#include "widgets/ProgressWnd.h"

#include <QApplication>
#include <QKeyEvent>
#include <QProgressBar>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

// The pump asks the window system only once per tick of a coarse clock, yet what was posted goes
// out on every pump, however soon after the last one.
TEST(ProgressPumpTest, PostedEventsGoOutOnEveryPump)
{
    CProgressWnd p(nullptr, QStringLiteral("T"));
    for (int round = 0; round < 100; ++round) {
        p.PumpMessages(true);
        int dispatched = 0;
        QMetaObject::invokeMethod(
            qApp, [&dispatched] { ++dispatched; }, Qt::QueuedConnection);
        p.PumpMessages(true);
        ASSERT_EQ(dispatched, 1) << "round " << round;
    }
    p.PumpMessages(true);
    QCoreApplication::postEvent(p.GetWindow(), new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier,
                                                             QStringLiteral("\x1b")));
    p.PumpMessages(true);
    EXPECT_TRUE(p.IsCancelled());
}

// Steps finer than a pixel reach the bar at the pace of the text; its position counts at once.
TEST(ProgressPumpTest, BarCatchesUpWithStepsFinerThanAPixel)
{
    CProgressWnd p(nullptr, QStringLiteral("T"));
    auto* bar = p.GetWindow()->findChild<QProgressBar*>();
    const auto* pace = p.GetWindow()->findChild<QTimer*>();
    p.SetRange(0, 1000000, 1);
    for (int i = 0; i < 1000; ++i)
        p.StepIt();
    EXPECT_EQ(p.SetPos(1000), 1000);
    EXPECT_TRUE(QTest::qWaitFor([pace] { return !pace->isActive(); }, 5000));
    EXPECT_EQ(bar->value(), 1000);
    p.SetPos(1000000);
    EXPECT_EQ(bar->value(), 1000000) << "the end shows at once";
}
