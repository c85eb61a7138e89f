// The batch runner over any bytes as a batch file: labels, jumps, long lines, NUL bytes, CR and
// lone CR line ends, a byte-order mark.
#include "CancelAfterPumps.h"
#include "CommandBudget.h"
#include "FuzzCheck.h"
#include "FuzzDialog.h"
#include "PieceReads.h"
#include "Vexbus/BatchFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string_view>
#include <vector>

namespace {

// Enough lines for a loop that a jump back starts to go round a few times.
constexpr int kPumps = 16;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (!WithinCommandBudget(std::string_view(reinterpret_cast<const char*>(data), size)))
        return -1;
    FuzzDialog& fuzz = FuzzDialog::Instance();
    fuzz.Fresh();
    CVexbusDlg& dlg = fuzz.Dialog();

    std::vector<char> bytes(data, data + size);
    bytes.push_back('\0'); // a buffer even for an empty file
    std::FILE* file = fmemopen(bytes.data(), size, "r");
    FuzzCheck(file != nullptr, "the batch file opens");
    RewindToFirstLine(file);
    const long long counted = CountReads(file);
    RewindToFirstLine(file);
    FuzzCheck(ReadsOneByOne(file) == counted, "the counting pass counts the reads of a run to the end");

    const CancelAfterPumps cancel(kPumps);
    dlg.RunBatch(file);
    std::fclose(file);
    FuzzCheck(cancel.Pumps() <= kPumps, "a cancelled batch stops at the line it shows");
    for (QWidget* window : QApplication::topLevelWidgets())
        FuzzCheck(!window->isVisible() || !window->windowTitle().startsWith(QStringLiteral("Write to target machine")),
                  "the progress window goes with the run");
    return 0;
}
