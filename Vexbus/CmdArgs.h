#pragma once

#include <cstdint>

// The parsed numbers of one command line; a number the line does not give is 0.
struct CmdArgs {
    std::int32_t count = 0;
    std::uint32_t num1 = 0;
    std::uint32_t num2 = 0;
    std::uint32_t num3 = 0;
    std::uint32_t num4 = 0;
    std::uint32_t num5 = 0;
};
