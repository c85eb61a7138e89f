#include "WithoutFileOverride.h"

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

constexpr std::uint32_t kOverrides = (1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH) | (1u << CAP_FOWNER);

struct Capabilities {
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[_LINUX_CAPABILITY_U32S_3]{};
};

bool Get(Capabilities& caps)
{
    return syscall(SYS_capget, &caps.header, caps.data) == 0;
}

bool Set(Capabilities& caps)
{
    return syscall(SYS_capset, &caps.header, caps.data) == 0;
}

} // namespace

WithoutFileOverride::WithoutFileOverride()
{
    Capabilities caps;
    if (!Get(caps) || (caps.data[0].effective & kOverrides) == 0)
        return;
    effective = caps.data[0].effective;
    caps.data[0].effective &= ~kOverrides;
    dropped = Set(caps);
}

WithoutFileOverride::~WithoutFileOverride()
{
    Capabilities caps;
    if (!dropped || !Get(caps))
        return;
    caps.data[0].effective = effective;
    Set(caps);
}
