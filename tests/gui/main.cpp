#include "ProfileFolder.h"
#include "ScriptedResponder.h"
#include "StartUpBoxes.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <cstdlib>

std::vector<ScriptedResponder::Box> g_startUpBoxes;

// Widgets need an application object; the profile goes to a folder of its own, never the user's.
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    const ProfileFolder profile("vexbus-test");
    if (profile.Path().empty())
        return EXIT_FAILURE;

    QApplication app(argc, argv);
    g_startUpBoxes = TakeStartUpBoxes();

    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
