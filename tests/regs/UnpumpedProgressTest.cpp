// The exports and dumps that never pump their progress window: the window is on the screen from
// their first bus transfer on, while the program's own input and timers wait for the event loop.
#include "RegsFixture.h"
#include "ScreenProbe.h"
#include "tqRegs/TQ7730Register.h"
#include "tqRegs/TQ7790Register.h"

#include <QApplication>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <functional>
#include <optional>
#include <ostream>

namespace {

struct UnpumpedCase {
    const char* name;
    const char* title;
    std::function<void(std::FILE*)> run;
};

void PrintTo(const UnpumpedCase& c, std::ostream* os)
{
    *os << c.name;
}

QWidget* ProgressWindow(const char* title)
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->windowTitle() == QLatin1String(title) && w->findChild<QProgressBar*>())
            return w;
    return nullptr;
}

class UnpumpedProgressTest : public RegsFixture, public testing::WithParamInterface<UnpumpedCase> {};

TEST_P(UnpumpedProgressTest, WindowIsPaintedBeforeTheFirstTransferWithoutDispatchingAnythingElse)
{
    PendingWork pending;
    QApplication::setActiveWindow(&pending.Window());

    // Looked at when the first transfer goes out under the window.
    std::optional<bool> painted;
    bool dispatched = false;
    emulator.SetPlugSource([&] {
        QWidget* wnd = ProgressWindow(GetParam().title);
        if (wnd && !painted) {
            painted = OnScreen(wnd) == Rendered(wnd);
            dispatched = pending.TimedOut() || pending.Clicks() > 0;
        }
        return true;
    });
    const FilePtr file(std::tmpfile());
    GetParam().run(file.get());
    emulator.SetPlugSource({});

    EXPECT_EQ(painted, true);
    EXPECT_FALSE(dispatched);
    QCoreApplication::processEvents();
    EXPECT_TRUE(pending.TimedOut());
    EXPECT_EQ(pending.Clicks(), 1);
}

INSTANTIATE_TEST_SUITE_P(Operations, UnpumpedProgressTest,
                         testing::Values(UnpumpedCase{"UnknownExport", "Write tq all register.",
                                                      [](std::FILE* file) {
                                                          g_unknownRegister.WriteAllRegister(file);
                                                      }},
                                         UnpumpedCase{"TQ7730Dump", "Save to txt",
                                                      [](std::FILE* file) { g_tq7730Register.SaveToTxt(file); }},
                                         UnpumpedCase{"TQ7790Export", "Write tq all register.",
                                                      [](std::FILE* file) { g_tq7790Register.WriteAllRegister(file); }},
                                         UnpumpedCase{"TQ7790Dump", "Save to txt",
                                                      [](std::FILE* file) { g_tq7790Register.SaveToTxt(file); }}),
                         [](const testing::TestParamInfo<UnpumpedCase>& info) { return std::string(info.param.name); });

} // namespace
