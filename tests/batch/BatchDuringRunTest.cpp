// What the user can do to the main window while a batch runs: every click and key is dispatched
// by the pump between two lines.
#include "BatchFixture.h"
#include "VexbusDlgProbe.h"
#include "platform/QtUiResponder.h"
#include "tqRegs/TQ7730Register.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QMessageBox>

#include <algorithm>
#include <cstdio>
#include <deque>
#include <ostream>

namespace {

// The program's own boxes, shown by Qt; the file dialogs answered from a list.
class QtBoxes : public QtUiResponder {
public:
    std::optional<std::string> FileDialog(const FileDialogRequest&) override
    {
        std::optional<std::string> answer;
        if (!fileNames.empty()) {
            answer = fileNames.front();
            fileNames.pop_front();
        }
        return answer;
    }

    std::deque<std::optional<std::string>> fileNames;
};

enum class Way { CloseBox, Return };

struct EndCase {
    const char* name;
    Way way;
    int result;
};

void PrintTo(const EndCase& c, std::ostream* os)
{
    *os << c.name;
}

const EndCase kEnds[] = {
    {"CloseBox", Way::CloseBox, QDialog::Rejected},
    {"ReturnWithoutDefaultButton", Way::Return, QDialog::Accepted},
};

class EndDuringRun : public BatchFixture, public testing::WithParamInterface<EndCase> {};

// Keeps the text that a label painted last.
class PaintWatch : public QObject {
public:
    explicit PaintWatch(std::string& painted) : m_painted(painted) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            m_painted = static_cast<QLabel*>(watched)->text().toStdString();
        return false;
    }

private:
    std::string& m_painted;
};

} // namespace

TEST_P(EndDuringRun, StopsTheBatchBeforeTheNextLineAndEndsTheDialogAfterTheDoneLine)
{
    const std::string path = WriteFile("run.txt", "i2cw 1a 10 01\npause\ni2cw 1a 11 02\n");
    ASSERT_EQ(dlg->GetDefID(), 0);
    bool endedDuringBox = false;
    // Made while the box of line 2 is up, so that the pump of line 3 dispatches it.
    atBox = [this, &endedDuringBox](int) {
        switch (GetParam().way) {
        case Way::CloseBox: QTimer::singleShot(0, dlg.get(), [this] { dlg->close(); }); break;
        case Way::Return: PostKey(dlg.get(), Qt::Key_Return, QStringLiteral("\r")); break;
        }
        endedDuringBox = !dlg->isVisible();
    };

    Load(path);

    EXPECT_FALSE(endedDuringBox);
    EXPECT_EQ(RunLog(path), std::vector<std::string>{"i2cw 1a 10 01"});
    EXPECT_EQ(Writes(), std::vector<std::string>{"1a 10 01"});
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_EQ(dlg->result(), GetParam().result);
    EXPECT_EQ(Popup(), nullptr);

    // The request was taken: shown again, the dialog ends at once.
    dlg->show();
    dlg->close();
    EXPECT_FALSE(dlg->isVisible());
}

INSTANTIATE_TEST_SUITE_P(Ways, EndDuringRun, testing::ValuesIn(kEnds),
                         [](const testing::TestParamInfo<EndCase>& info) { return std::string(info.param.name); });

// Escape in the main window is the run's Cancel and nothing more: the program and its log stay,
// also when Escape is pressed twice or held down, and for a second after the run. Then it ends the
// dialog, as ever.
TEST_F(BatchFixture, EscapeDuringARunCancelsItAndKeepsTheDialog)
{
    const std::string path = WriteFile("loop.txt", "loop:\ni2cw 1a 10 01\npause\ngoto loop\n");
    QWidget* focus = dlg->focusWidget();
    ASSERT_NE(focus, nullptr);
    // Typed twice while the third box is up, so that the pump of the "goto" after it dispatches
    // the first and finds the second behind it.
    atBox = [focus](int boxes) {
        if (boxes == 3) {
            PostKey(focus, Qt::Key_Escape, QStringLiteral("\x1b"));
            PostKey(focus, Qt::Key_Escape, QStringLiteral("\x1b"));
        }
    };

    Load(path);
    QCoreApplication::processEvents();

    EXPECT_EQ(seen.size(), 3u);
    EXPECT_EQ(RunLog(path), std::vector<std::string>(3, "i2cw 1a 10 01"));
    EXPECT_EQ(Popup(), nullptr);
    EXPECT_TRUE(dlg->isVisible());

    // The key still held down, and a press right after the run, are the run's too.
    PostKey(focus, Qt::Key_Escape, QStringLiteral("\x1b"), true);
    PostKey(focus, Qt::Key_Escape, QStringLiteral("\x1b"));
    QCoreApplication::processEvents();
    EXPECT_TRUE(dlg->isVisible());

    QTest::qWait(1100);
    PostKey(focus, Qt::Key_Escape, QStringLiteral("\x1b"));
    QCoreApplication::processEvents();
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_EQ(dlg->result(), QDialog::Rejected);
}

TEST_F(BatchFixture, MainWindowStaysUsableAndASecondLoadIsIgnored)
{
    const std::string path = WriteFile("run.txt", "i2cw 1a 10 01\npause\ni2cw 1a 11 02\n");
    const std::string other = WriteFile("other.txt", "i2cw 1a 12 03\n");
    Probe(*dlg).CmdLine()->setText(QStringLiteral("i2cw 1a 20 05"));
    atBox = [this, &other](int) {
        ui.fileNames.push_back(other);
        PostClick(Button(CVexbusDlg::IDC_ENTER));
        PostClick(Button(CVexbusDlg::IDC_LOAD));
    };

    Load(path);

    EXPECT_EQ(ui.fileRequests.size(), 1u);
    EXPECT_EQ(Log(), (std::vector<std::string>{"", "ChipID = 1A", path, "start to load bat file -- " + path,
                                               "i2cw 1a 10 01", "i2cw 1a 20 05", "i2cw 1a 11 02", Done(path)}));
    EXPECT_EQ(Writes(), (std::vector<std::string>{"1a 10 01", "1a 20 05", "1a 11 02"}));
    EXPECT_TRUE(dlg->isVisible());

    // Nothing of the ignored click stays behind: the next Load runs as any other.
    ui.fileNames.clear();
    Load(other);
    EXPECT_EQ(RunLog(other), std::vector<std::string>{"i2cw 1a 12 03"});
}

// The popup asks for no close box, but a window manager may draw one: closing the popup is its
// Cancel button.
TEST_F(BatchFixture, ClosingTheProgressWindowCancelsTheRun)
{
    const std::string path = WriteFile("run.txt", "pause\ni2cw 1a 10 01\npause\ni2cw 1a 11 02\n");
    atBox = [](int) {
        QWidget* popup = Popup();
        QTimer::singleShot(0, popup, [popup] { popup->close(); });
    };

    Load(path);

    EXPECT_EQ(seen.size(), 1u);
    EXPECT_EQ(RunLog(path), std::vector<std::string>{});
    EXPECT_TRUE(Writes().empty());
    EXPECT_EQ(Popup(), nullptr);
    EXPECT_TRUE(dlg->isVisible());
}

// A delay blocks the thread, and nothing is painted while it waits: the line that waits must be
// on the screen when the wait starts, not the line before it.
TEST_F(BatchFixture, ProgressWindowShowsTheDelayLineWhileItWaits)
{
    const std::string path = WriteFile("run.txt", "rem before\ndelay 3e8\n");
    std::string painted;
    std::vector<std::string> seenAtSleep;
    PaintWatch watch(painted);
    ui.onSleep = [&](unsigned) { seenAtSleep.push_back(painted); };
    QTimer::singleShot(0, [&] {
        if (QWidget* popup = Popup())
            popup->findChild<QLabel*>(QString(), Qt::FindDirectChildrenOnly)->installEventFilter(&watch);
    });

    Load(path);

    EXPECT_EQ(seenAtSleep, std::vector<std::string>{"Writing line 2 - delay 3e8\n"});
}

namespace {

struct PendingCase {
    const char* name;
    // Escape in the main window, else a click on the progress window's Cancel.
    bool escape;
    // The TQ7730 export's pump, else a batch run's.
    bool exportRun;
};

void PrintTo(const PendingCase& c, std::ostream* os)
{
    *os << c.name;
}

class InputBehindTheCancel : public BatchFixture, public testing::WithParamInterface<PendingCase> {};

} // namespace

// A click on Enter made right after the cancel runs after the run, not inside it, whichever way
// the user cancels and whichever work the progress window shows; the Escape does not end the
// dialog either.
TEST_P(InputBehindTheCancel, ClickQueuedBehindTheCancelRunsAfterTheRun)
{
    const PendingCase& c = GetParam();
    Probe(*dlg).CmdLine()->setText(QStringLiteral("i2cw 1a 20 05"));
    const auto cancelThenEnter = [this, &c] {
        if (c.escape)
            PostKey(dlg->focusWidget(), Qt::Key_Escape, QStringLiteral("\x1b"));
        else
            PostClick(CancelButton(Popup()));
        PostClick(Button(CVexbusDlg::IDC_ENTER));
    };

    std::vector<std::string> before;
    if (c.exportRun) {
        // Two registers into the first pass: its pump dispatches them.
        bool posted = false;
        emulator.SetPlugSource([this, &posted, &cancelThenEnter] {
            if (!posted && emulator.Transactions().size() == 4) {
                posted = true;
                cancelThenEnter();
            }
            return true;
        });
        std::FILE* file = std::tmpfile();
        ASSERT_NE(file, nullptr);
        g_tq7730Register.WriteAllRegister(file);
        emulator.SetPlugSource(nullptr);
        std::rewind(file);
        int lines = 0;
        for (char line[64]; std::fgets(line, sizeof line, file);)
            ++lines;
        std::fclose(file);
        EXPECT_LT(lines, 100) << "the export was cancelled";
        before = Log();
    } else {
        const std::string path = WriteFile("run.txt", "i2cw 1a 10 01\npause\ni2cw 1a 11 02\n");
        atBox = [&cancelThenEnter](int) { cancelThenEnter(); };
        Load(path);
        before = Log();
        EXPECT_EQ(RunLog(path), std::vector<std::string>{"i2cw 1a 10 01"});
    }
    EXPECT_NE(before.back(), "i2cw 1a 20 05") << "the click ran inside the run";
    QCoreApplication::processEvents();

    before.push_back("i2cw 1a 20 05");
    EXPECT_EQ(Log(), before);
    EXPECT_EQ(Writes().back(), "1a 20 05");
    EXPECT_TRUE(dlg->isVisible());
}

INSTANTIATE_TEST_SUITE_P(Cancels, InputBehindTheCancel,
                         testing::Values(PendingCase{"CancelButton", false, false}, PendingCase{"Escape", true, false},
                                         PendingCase{"EscapeInTheTQ7730Export", true, true}),
                         [](const testing::TestParamInfo<PendingCase>& info) { return std::string(info.param.name); });

namespace {

struct DialogEscapeCase {
    const char* name;
    // A second press comes once the dialog has gone, before its loop ends: it reaches the main window.
    bool twice;
    // The log from the run's first line on (Save's chip detection among it), a click on Enter made
    // behind the presses included; "done" stands for Load's done line.
    std::vector<std::string> log;
};

void PrintTo(const DialogEscapeCase& c, std::ostream* os)
{
    *os << c.name;
}

class EscapeInADialogDuringTheRun : public BatchFixture, public testing::WithParamInterface<DialogEscapeCase> {};

} // namespace

// Escape in a dialog up during the run (the file dialog of a Save clicked meanwhile) is the
// dialog's: it closes it, and the run goes on. A second press that reaches the main window once
// the dialog has gone is the run's Cancel, and the program stays; a click made behind it waits
// for the run's end.
TEST_P(EscapeInADialogDuringTheRun, ClosesTheDialogAndASecondPressCancelsTheRun)
{
    const DialogEscapeCase& c = GetParam();
    const std::string path = WriteFile("run.txt", "i2cw 1a 10 01\npause\ni2cw 1a 11 02\n");
    Probe(*dlg).CmdLine()->setText(QStringLiteral("i2cw 1a 20 05"));
    int dialogResult = -1;
    ui.onFileDialog = [this, &c, &dialogResult](const FileDialogRequest& request) {
        if (request.open)
            return; // Load's
        QWidget* mainFocus = dlg->focusWidget();
        QDialog dialog(dlg.get());
        QTimer::singleShot(0, &dialog, [this, &dialog, &c, mainFocus] {
            PostKey(&dialog, Qt::Key_Escape, QStringLiteral("\x1b"));
            if (c.twice)
                PostKey(mainFocus, Qt::Key_Escape, QStringLiteral("\x1b"));
            PostClick(Button(CVexbusDlg::IDC_ENTER));
        });
        // Ends a dialog that did not take its Escape, with a result of its own.
        QTimer::singleShot(1000, &dialog, [&dialog] { dialog.done(2); });
        dialogResult = dialog.exec();
    };
    atBox = [this](int) { PostClick(Button(CVexbusDlg::IDC_SAVE)); };

    Load(path);
    QCoreApplication::processEvents();

    EXPECT_EQ(dialogResult, QDialog::Rejected) << "the dialog took its Escape";
    EXPECT_EQ(ui.fileRequests.size(), 2u) << "Load's, then Save's";
    std::vector<std::string> log = Log();
    log.erase(log.begin(), std::find(log.begin(), log.end(), "i2cw 1a 10 01"));
    std::vector<std::string> want = c.log;
    std::replace(want.begin(), want.end(), std::string("done"), Done(path));
    EXPECT_EQ(log, want);
    EXPECT_TRUE(dlg->isVisible());
}

INSTANTIATE_TEST_SUITE_P(
    Presses, EscapeInADialogDuringTheRun,
    testing::Values(
        DialogEscapeCase{"Once", false, {"i2cw 1a 10 01", "ChipID = 1A", "i2cw 1a 20 05", "i2cw 1a 11 02", "done"}},
        DialogEscapeCase{"TwiceTheSecondInTheMainWindow",
                         true,
                         {"i2cw 1a 10 01", "ChipID = 1A", "done", "i2cw 1a 20 05"}}),
    [](const testing::TestParamInfo<DialogEscapeCase>& info) { return std::string(info.param.name); });

// Every box the user must answer during a run opens above the progress window, which stays on
// top of other windows, and stays above it as the progress window's own: the pause line's box
// and the box of a Save clicked meanwhile.
TEST_F(BatchFixture, BoxesShownDuringARunStayAboveTheProgressWindow)
{
    const std::string path = WriteFile("run.txt", "pause first\ni2cw 1a 10 01\n");
    QtBoxes boxes;
    boxes.fileNames = {path, Folder() + "/missing/regs.bat"};
    SetUiResponder(&boxes);

    struct Shown {
        std::string text;
        bool onTop;
        bool popupOnTop;
        bool popupOwns;
    };
    std::vector<Shown> shown;
    QTimer look;
    look.setInterval(5);
    look.callOnTimeout([&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        const QWidget* popup = Popup();
        shown.push_back({box->text().toStdString(), box->windowFlags().testFlag(Qt::WindowStaysOnTopHint),
                         popup && popup->isVisible() && popup->windowFlags().testFlag(Qt::WindowStaysOnTopHint),
                         popup && box->parentWidget() == popup});
        box->button(QMessageBox::Ok)->click();
        if (shown.size() == 1)
            PostClick(Button(CVexbusDlg::IDC_SAVE));
    });
    look.start();
    Button(CVexbusDlg::IDC_LOAD)->click();
    look.stop();
    SetUiResponder(&ui);

    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].text, " first");
    EXPECT_EQ(shown[1].text, "Open file failed");
    for (const Shown& box : shown) {
        EXPECT_TRUE(box.popupOnTop) << box.text;
        EXPECT_TRUE(box.onTop) << box.text;
        EXPECT_TRUE(box.popupOwns) << box.text;
    }
    // Save's chip detection, then the rest of the run.
    EXPECT_EQ(RunLog(path), (std::vector<std::string>{"ChipID = 1A", "i2cw 1a 10 01"}));
}

TEST_F(BatchFixture, ConnectionCheckKeepsRunningDuringABatch)
{
    const std::string path = WriteFile("loop.txt", "pause unplug\ntop: delay 19\ngoto top\n");
    atBox = [this](int) { emulator.Unplug(); };
    ASSERT_EQ(Probe(*dlg).Status()->text(), QStringLiteral("CH341已连接!"));

    // Watches the status from inside the pump and then cancels, as the user would.
    QElapsedTimer clock;
    QTimer watch;
    watch.setInterval(20);
    bool sawLost = false;
    watch.callOnTimeout([&] {
        sawLost = Probe(*dlg).Status()->text() == QStringLiteral("CH341未连接!");
        QWidget* popup = Popup();
        if (popup && (sawLost || clock.elapsed() > 5000)) {
            watch.stop();
            QTest::mouseClick(CancelButton(popup), Qt::LeftButton);
        }
    });
    clock.start();
    watch.start();

    Load(path);

    EXPECT_TRUE(sawLost);
    EXPECT_EQ(Log().back(), Done(path));
    EXPECT_EQ(Popup(), nullptr);
}

TEST_F(BatchFixture, ProgressWindowOpensAtTheSavedPlaceAndSavesWhereItWasLeft)
{
    WriteProfileInt("Settings", "X", 40);
    WriteProfileInt("Settings", "Y", 30);
    const std::string path = WriteFile("run.txt", "pause\n");
    QPoint opened;
    QWidget* parent = nullptr;
    atBox = [&](int) {
        QWidget* popup = Popup();
        ASSERT_NE(popup, nullptr);
        opened = popup->pos();
        parent = popup->parentWidget();
        popup->move(120, 90);
    };

    Load(path);

    EXPECT_EQ(opened, QPoint(40, 30));
    EXPECT_EQ(parent, dlg.get());
    EXPECT_EQ(GetProfileInt("Settings", "X", -1), 120);
    EXPECT_EQ(GetProfileInt("Settings", "Y", -1), 90);
}
