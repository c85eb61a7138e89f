#pragma once

#include <cstdint>

// While it lives, the calling thread cannot override file permissions: a superuser drops the
// capabilities that let it write into a read-only folder from its effective set (they stay
// permitted and come back at the end). Without those capabilities it changes nothing.
class WithoutFileOverride {
public:
    WithoutFileOverride();
    ~WithoutFileOverride();
    WithoutFileOverride(const WithoutFileOverride&) = delete;
    WithoutFileOverride& operator=(const WithoutFileOverride&) = delete;

private:
    bool dropped = false;
    std::uint32_t effective = 0;
};
