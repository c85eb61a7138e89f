#include "tqRegs/RegsHost.h"

#include <utility>

namespace {

constinit RegsHost* g_host = nullptr;

} // namespace

void SetRegsHost(RegsHost* host)
{
    g_host = host;
}

void RegsLog(std::string line)
{
    if (g_host)
        g_host->AddLog(std::move(line));
}

TQRegister* CurrentRegister()
{
    return g_host ? g_host->CurrentRegister() : nullptr;
}
