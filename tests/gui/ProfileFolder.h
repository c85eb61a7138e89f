#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

// The profile folder of a test or benchmark process, never the user's: a new temporary folder,
// named in XDG_CONFIG_HOME before the application object reads it, and removed with the object.
class ProfileFolder {
public:
    explicit ProfileFolder(const std::string& prefix)
    {
        std::string pattern = (std::filesystem::temp_directory_path() / (prefix + "-XXXXXX")).string();
        if (mkdtemp(pattern.data())) {
            m_path = pattern;
            qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(m_path));
        }
    }

    ~ProfileFolder()
    {
        std::error_code ec;
        if (!m_path.empty())
            std::filesystem::remove_all(m_path, ec);
    }

    ProfileFolder(const ProfileFolder&) = delete;
    ProfileFolder& operator=(const ProfileFolder&) = delete;

    // Empty when the folder could not be made.
    const std::string& Path() const { return m_path; }

private:
    std::string m_path;
};
