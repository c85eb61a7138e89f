// Runs the adapter layer, linked against the real libusb, with the emulated adapter preloaded in
// its place. Argument "plugged" or "unplugged": what the environment made of the adapter;
// "plug-file": VEXBUS_EMU_PLUG_FILE names a file that does not exist yet.
#include "platform/usbio.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

namespace {

bool Opens()
{
    return USBIO_OpenDevice(0) != INVALID_HANDLE_VALUE;
}

// The identification bytes of the emulated slave prove the emulator answered, not a real adapter.
bool ReadsIdentification()
{
    const std::array<std::uint8_t, 2> address{0x1A, 0x01};
    std::array<std::uint8_t, 3> id{};
    return USBIO_StreamI2C(0, address.size(), address.data(), id.size(), id.data()) &&
           id == std::array<std::uint8_t, 3>{0xF2, 0x18, 0x03};
}

bool FollowsPlugFile()
{
    const char* file = std::getenv("VEXBUS_EMU_PLUG_FILE");
    if (!file || Opens())
        return false;
    std::ofstream(file).put('\n');
    const bool plugged = Opens() && ReadsIdentification();
    std::remove(file);
    return plugged && !Opens();
}

bool Check(const std::string& expectation)
{
    if (expectation == "plugged")
        return Opens() && ReadsIdentification();
    if (expectation == "unplugged")
        return !Opens();
    return expectation == "plug-file" && FollowsPlugFile();
}

} // namespace

int main(int argc, char** argv)
{
    const bool ok = argc == 2 && Check(argv[1]);
    USBIO_CloseDevice(0);
    std::printf("%s\n", ok ? "ok" : "FAILED");
    return ok ? EXIT_SUCCESS : EXIT_FAILURE;
}
