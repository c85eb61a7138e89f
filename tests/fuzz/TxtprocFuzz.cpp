// The banked register-settings loader over any bytes as a settings file, written to the
// simulated device; the first byte says whether chip detection has made a register set current.
#include "FuzzCheck.h"
#include "FuzzDialog.h"

#include "Vexbus/Vexbus.h"
#include "tqRegs/Txtproc.h"
#include "tqRegs/UnknownRegister.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return -1;
    FuzzDialog& fuzz = FuzzDialog::Instance();
    fuzz.Fresh();
    theApp.m_pRegister = (data[0] & 1) != 0 ? &g_unknownRegister : nullptr;

    std::vector<char> bytes(data + 1, data + size);
    bytes.push_back('\0'); // a buffer even for an empty file
    std::FILE* file = fmemopen(bytes.data(), size - 1, "r");
    FuzzCheck(file != nullptr, "the settings file opens");
    g_txtproc.Load(file);
    std::fclose(file);
    theApp.m_pRegister = nullptr;
    FuzzCheck(fuzz.Ui().boxes.empty(), "the loader shows no box");
    return 0;
}
