#pragma once

#include "RegsFixture.h"
#include "tqRegs/TQ7730Fields.h"
#include "tqRegs/TQ7730Register.h"

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

    static const RegField& Field(std::string_view name) { return FieldNamed(g_tq7730Fields, name); }
};
