#include "tqRegs/tqregister.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>

namespace {

// A register set that replaces none of the interface's operations.
class Bare : public TQRegister {};

#ifdef NDEBUG

TEST(TQRegister, DefaultsTouchNothingAndAnswerFalseAnd0xFF)
{
    Bare bare;
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::tmpfile(), std::fclose);
    bare.WriteAllRegister(file.get());
    bare.SaveToTxt(file.get());
    EXPECT_EQ(std::ftell(file.get()), 0);
    EXPECT_FALSE(bare.CheckChipId());
    EXPECT_EQ(bare.GetBankReg(), 0xFF);
}

#else

TEST(TQRegisterDeathTest, EachDefaultFailsItsDebugAssertion)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    Bare bare;
    TQRegister& r = bare;
    EXPECT_DEATH(r.WriteAllRegister(stdout), "tqregister\\.h:18: .*Assertion `0' failed");
    EXPECT_DEATH(r.SaveToTxt(stdout), "tqregister\\.h:19: .*Assertion `0' failed");
    EXPECT_DEATH(r.CheckChipId(), "tqregister\\.h:20: .*Assertion `0' failed");
    EXPECT_DEATH(r.GetBankReg(), "tqregister\\.h:21: .*Assertion `0' failed");
}

#endif

} // namespace
