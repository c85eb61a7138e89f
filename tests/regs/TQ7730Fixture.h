#pragma once

#include "RegsFixture.h"
#include "tqRegs/TQ7730Fields.h"
#include "tqRegs/TQ7730Register.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string_view>

// The TQ7730 register set, current, over the emulated adapter, without the main dialog; every box
// is answered by a script. The bus is read from where the test began.
class TQ7730Fixture : public RegsFixture {
protected:
    void SetUp() override
    {
        RegsFixture::SetUp();
        host.current = &g_tq7730Register;
    }

    // Runs hook once, at the first USB call that finds `count` transactions recorded: just
    // before transaction number `count` (from 0) starts, or while number `count` - 1 waits for
    // its answer.
    void WhenTransactions(std::size_t count, std::function<void()> hook)
    {
        auto done = std::make_shared<bool>(false);
        emulator.SetPlugSource([this, count, hook = std::move(hook), done] {
            if (!*done && emulator.Transactions().size() == count) {
                *done = true;
                hook();
            }
            return true;
        });
    }

    // The transaction numbered `index` (from 0) gets no acknowledge for its address byte.
    void FailTransaction(std::size_t index)
    {
        WhenTransactions(index, [this] { emulator.RefuseAddress(); });
    }

    static const RegField& Field(std::string_view name) { return FieldNamed(g_tq7730Fields, name); }
};
