// The command interpreter over the simulated device: every line of the input is run as if typed
// on the command line.
#include "CommandBudget.h"
#include "FuzzCheck.h"
#include "FuzzDialog.h"
#include "VexbusDlgProbe.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (!WithinCommandBudget(text))
        return -1;
    FuzzDialog& fuzz = FuzzDialog::Instance();
    fuzz.Fresh();
    CVexbusDlg& dlg = fuzz.Dialog();

    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        std::string line(text.substr(start, end - start));
        const int before = Probe(dlg).Log()->GetItemCount();
        const int result = dlg.ExecuteCommand(line.data());
        FuzzCheck(result == 0 || result == 1, "a command returns 0 or 1");
        FuzzCheck(Probe(dlg).Log()->GetItemCount() >= before, "a command only appends to the log");
        start = end + 1;
    }
    return 0;
}
