#include "Ch341Emulator.h"
#include "ScriptedResponder.h"
#include "StartUpBoxes.h"
#include "Vexbus/EditBox.h"
#include "Vexbus/Vexbus.h"
#include "Vexbus/VexbusDlg.h"
#include "VexbusDlgProbe.h"
#include "platform/UiServices.h"
#include "platform/usbio.h"
#include "widgets/LogList.h"

#include <QApplication>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <sys/stat.h>

class AppTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        USBIO_CloseDevice(0);
        Ch341Emulator::Instance().Reset();
    }

    void TearDown() override
    {
        SetUiResponder(nullptr);
        USBIO_CloseDevice(0);
    }

    ScriptedResponder ui;
};

TEST_F(AppTest, BoxesRaisedBeforeTheAppObjectRanKeepTheFullPathAsCaption)
{
    // Without a parallel port the link's start-up box was raised while the globals were built.
    struct stat port {};
    if (stat("/dev/parport0", &port) != 0) {
        ASSERT_EQ(g_startUpBoxes.size(), 1u);
        EXPECT_EQ(g_startUpBoxes[0].text, "Cannot initialize WinIO library");
    }
    for (const ScriptedResponder::Box& box : g_startUpBoxes)
        EXPECT_EQ(box.caption, ExecutablePath());

    SetAppName(std::string());
    AppMessageBox("Cannot initialize WinIO library", MB_OK);
    SetUiResponder(&ui);
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].caption, ExecutablePath());
    EXPECT_EQ(ui.boxes[0].type, MB_OK | MB_ICONEXCLAMATION);

    // Once the application runs, boxes carry its name.
    QTimer::singleShot(0, [] { theApp.m_pMainWnd->reject(); });
    theApp.InitInstance();
    AppMessageBox("Invalid parameters", MB_OK);
    ASSERT_EQ(ui.boxes.size(), 2u);
    EXPECT_EQ(ui.boxes[1].caption, ExecutableBaseName());
    EXPECT_EQ(ExecutableBaseName(), "test_gui");
}

TEST_F(AppTest, InitInstanceRunsTheMainDialogModallyAndLogGoesToItsList)
{
    SetUiResponder(&ui);
    EXPECT_EQ(theApp.m_pRegister, nullptr);
    Log("before the dialog");

    CVexbusDlg* seen = nullptr;
    std::vector<std::string> lines;
    QTimer::singleShot(0, [&] {
        seen = theApp.m_pMainWnd;
        ASSERT_NE(seen, nullptr);
        EXPECT_EQ(QApplication::activeModalWidget(), seen);
        Log("first line");
        theApp.AddLog("second line");
        for (int i = 0; i < Probe(*seen).Log()->GetItemCount(); ++i)
            lines.push_back(Probe(*seen).Log()->GetItemText(i));
        // The dialog's own invalid-parameter box carries the executable's name.
        QTest::keyClicks(Probe(*seen).SubEdit(), QStringLiteral("x"));
        QTest::keyClick(Probe(*seen).SubEdit(), Qt::Key_Escape);
    });
    EXPECT_FALSE(theApp.InitInstance());
    EXPECT_NE(seen, nullptr);
    EXPECT_EQ(lines, (std::vector<std::string>{"", "first line", "second line"}));
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].caption, ExecutableBaseName());

    // After the dialog has gone, logging does nothing.
    EXPECT_EQ(theApp.m_pMainWnd, nullptr);
    Log("after the dialog");
}
