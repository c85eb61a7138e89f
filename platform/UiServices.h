#pragma once

#include <optional>
#include <string>

// Message-box types and answers, valued as the program has always used them.
enum : unsigned {
    MB_OK = 0x00,
    MB_OKCANCEL = 0x01,
    MB_YESNO = 0x04,
    MB_TYPEMASK = 0x0F,
    MB_ICONHAND = 0x10,
    MB_ICONQUESTION = 0x20,
    MB_ICONEXCLAMATION = 0x30,
    MB_ICONINFORMATION = 0x40,
    MB_ICONMASK = 0xF0,
};
enum : int { IDOK = 1, IDCANCEL = 2, IDYES = 6, IDNO = 7 };

// A request for an open or save file dialog. The filter has the "Name|*.a;*.b|...||" form.
struct FileDialogRequest {
    bool open = true;
    std::string defaultExt;
    std::string initialName;
    std::string filter;
    bool overwritePrompt = false;
    // The folder the dialog opens in: the folder of the file chosen last, by any file dialog;
    // empty before the first choice, for the current folder.
    std::string directory;
};

// Whoever answers the user: real dialogs in the program, a script in the tests.
class UiResponder {
public:
    virtual ~UiResponder() = default;
    virtual int MessageBox(const std::string& text, const std::string& caption, unsigned type) = 0;
    // The chosen path, or nothing when the user cancelled.
    virtual std::optional<std::string> FileDialog(const FileDialogRequest& request) = 0;
    // Blocks the thread for that long.
    virtual void Sleep(unsigned milliseconds);
};

// Installs the responder (null removes it). Boxes raised while none was installed are
// handed to the next one installed, in order, so start-up failures are never lost.
void SetUiResponder(UiResponder* responder);
UiResponder* GetUiResponder();

// A box with an explicit caption.
int UiMessageBox(const std::string& text, const std::string& caption, unsigned type);

// A box captioned with the application name; before it is known, with the executable's full
// path. A type that names no icon gets the exclamation icon.
int AppMessageBox(const std::string& text, unsigned type = MB_OK);

// Set once the application object exists: the executable's name without extension.
void SetAppName(const std::string& name);
const std::string& GetAppName();

std::string ExecutablePath();
std::string ExecutableBaseName();

// Asks the responder, opening in the folder of the file chosen last (the request's own
// directory is replaced).
std::optional<std::string> UiFileDialog(const FileDialogRequest& request);

void UiSleep(unsigned milliseconds);

// Integers in the profile: "<executable base name>.INI" in the user's configuration folder.
int GetProfileInt(const std::string& section, const std::string& key, int defaultValue);
void WriteProfileInt(const std::string& section, const std::string& key, int value);
std::string ProfilePath();
