#include "ScriptedResponder.h"
#include "StartUpBoxes.h"

#include <QApplication>
#include <QByteArray>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

std::vector<ScriptedResponder::Box> g_startUpBoxes;

// Widgets need an application object; the profile goes to a folder of its own, never the user's.
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    std::string configTemplate = (std::filesystem::temp_directory_path() / "vexbus-test-XXXXXX").string();
    const char* configDir = mkdtemp(configTemplate.data());
    if (!configDir)
        return EXIT_FAILURE;
    qputenv("XDG_CONFIG_HOME", QByteArray(configDir));

    int result = EXIT_FAILURE;
    {
        QApplication app(argc, argv);
        // Takes the boxes that the link objects raised while the globals were built, as the
        // program's first responder does.
        ScriptedResponder first;
        SetUiResponder(&first);
        SetUiResponder(nullptr);
        g_startUpBoxes = first.boxes;

        testing::InitGoogleTest(&argc, argv);
        result = RUN_ALL_TESTS();
    }
    std::error_code ec;
    std::filesystem::remove_all(configDir, ec);
    return result;
}
