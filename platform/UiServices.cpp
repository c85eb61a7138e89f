#include "platform/UiServices.h"

#include <QSettings>
#include <QStandardPaths>
#include <QString>

#include <chrono>
#include <deque>
#include <filesystem>
#include <thread>
#include <utility>

namespace {

struct PendingBox {
    std::string text;
    std::string caption;
    unsigned type;
};

struct UiState {
    UiResponder* responder = nullptr;
    std::string appName;
    std::deque<PendingBox> pending;
    std::string lastFolder;
};

// Function-local so that boxes raised by other globals' constructors find it built.
UiState& State()
{
    static UiState state;
    return state;
}

} // namespace

void SetUiResponder(UiResponder* responder)
{
    UiState& s = State();
    s.responder = responder;
    while (s.responder && !s.pending.empty()) {
        PendingBox box = std::move(s.pending.front());
        s.pending.pop_front();
        s.responder->MessageBox(box.text, box.caption, box.type);
    }
}

UiResponder* GetUiResponder()
{
    return State().responder;
}

int UiMessageBox(const std::string& text, const std::string& caption, unsigned type)
{
    UiState& s = State();
    if (!s.responder) {
        s.pending.push_back({text, caption, type});
        return (type & MB_TYPEMASK) == MB_YESNO ? IDYES : IDOK;
    }
    return s.responder->MessageBox(text, caption, type);
}

int AppMessageBox(const std::string& text, unsigned type)
{
    if ((type & MB_ICONMASK) == 0)
        type |= MB_ICONEXCLAMATION;
    const std::string& name = GetAppName();
    return UiMessageBox(text, name.empty() ? ExecutablePath() : name, type);
}

void SetAppName(const std::string& name)
{
    State().appName = name;
}

const std::string& GetAppName()
{
    return State().appName;
}

std::string ExecutablePath()
{
    std::error_code ec;
    std::filesystem::path p = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::string("vexbus") : p.string();
}

std::string ExecutableBaseName()
{
    return std::filesystem::path(ExecutablePath()).stem().string();
}

std::optional<std::string> UiFileDialog(const FileDialogRequest& request)
{
    UiState& s = State();
    if (!s.responder)
        return std::nullopt;
    FileDialogRequest opened = request;
    opened.directory = s.lastFolder;
    std::optional<std::string> path = s.responder->FileDialog(opened);
    if (path)
        s.lastFolder = std::filesystem::path(*path).parent_path().string();
    return path;
}

void UiResponder::Sleep(unsigned milliseconds)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

void UiSleep(unsigned milliseconds)
{
    if (UiResponder* r = State().responder)
        r->Sleep(milliseconds);
    else
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

std::string ProfilePath()
{
    QString dir = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return (std::filesystem::path(dir.toStdString()) / (ExecutableBaseName() + ".INI")).string();
}

int GetProfileInt(const std::string& section, const std::string& key, int defaultValue)
{
    QSettings ini(QString::fromStdString(ProfilePath()), QSettings::IniFormat);
    bool ok = false;
    int v = ini.value(QString::fromStdString(section + "/" + key)).toInt(&ok);
    return ok ? v : defaultValue;
}

void WriteProfileInt(const std::string& section, const std::string& key, int value)
{
    QSettings ini(QString::fromStdString(ProfilePath()), QSettings::IniFormat);
    ini.setValue(QString::fromStdString(section + "/" + key), value);
}
