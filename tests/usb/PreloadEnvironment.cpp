// Lets a run of the real program under LD_PRELOAD choose the emulated adapter's state:
// VEXBUS_EMU_UNPLUGGED=1 starts it unplugged; VEXBUS_EMU_PLUG_FILE=<path> keeps it plugged in
// exactly while that file exists, so the running program can watch it come and go. Packets the
// adapter would not take are told on standard error.
#include "Ch341Emulator.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

namespace {

bool Configure()
{
    Ch341Emulator& emulator = Ch341Emulator::Instance();
    emulator.SetErrorSink(
        [](const std::string& what) { std::fprintf(stderr, "emulated CH341: protocol error: %s\n", what.c_str()); });
    const char* unplugged = std::getenv("VEXBUS_EMU_UNPLUGGED");
    if (unplugged && std::string(unplugged) == "1")
        emulator.Unplug();
    if (const char* file = std::getenv("VEXBUS_EMU_PLUG_FILE"); file && *file) {
        emulator.SetPlugSource([path = std::filesystem::path(file)] {
            std::error_code error;
            return std::filesystem::exists(path, error);
        });
    }
    return true;
}

[[maybe_unused]] const bool configured = Configure();

} // namespace
