#include <QApplication>
#include <QByteArray>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

// Widgets need an application object; the profile goes to a folder of its own, never the user's.
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    std::string configTemplate =
        (std::filesystem::temp_directory_path() / "vexbus-widgets-XXXXXX").string();
    const char* configDir = mkdtemp(configTemplate.data());
    if (!configDir)
        return EXIT_FAILURE;
    qputenv("XDG_CONFIG_HOME", QByteArray(configDir));

    int result = EXIT_FAILURE;
    {
        QApplication app(argc, argv);
        testing::InitGoogleTest(&argc, argv);
        result = RUN_ALL_TESTS();
    }
    std::error_code ec;
    std::filesystem::remove_all(configDir, ec);
    return result;
}
