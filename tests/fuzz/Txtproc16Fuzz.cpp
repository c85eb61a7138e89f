// The 16-bit register-settings loader over any bytes as a settings file, written to the
// simulated device.
#include "FuzzCheck.h"
#include "FuzzDialog.h"

#include "tqRegs/Txtproc16.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzDialog& fuzz = FuzzDialog::Instance();
    fuzz.Fresh();

    std::vector<char> bytes(data, data + size);
    bytes.push_back('\0'); // a buffer even for an empty file
    std::FILE* file = fmemopen(bytes.data(), size, "r");
    FuzzCheck(file != nullptr, "the settings file opens");
    g_txtproc16.Load(file);
    std::fclose(file);
    FuzzCheck(fuzz.Ui().boxes.empty(), "the loader shows no box");
    return 0;
}
