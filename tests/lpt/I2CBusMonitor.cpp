#include "I2CBusMonitor.h"

#include <cstdio>

void I2CBusMonitor::OnStart()
{
    Append("S");
    ++starts;
    active = true;
    bits = 0;
    shift = 0;
}

void I2CBusMonitor::OnStop()
{
    Append("P");
    active = false;
}

void I2CBusMonitor::OnSclRise(bool sda)
{
    if (!active)
        return;
    shift = (shift << 1) | (sda ? 1u : 0u);
    if (++bits < 9)
        return;
    char token[4];
    std::snprintf(token, sizeof token, "%02X", (shift >> 1) & 0xFF);
    Append(std::string(token) + ((shift & 1) ? "-" : "+"));
    bits = 0;
    shift = 0;
}

void I2CBusMonitor::Clear()
{
    trace.clear();
    starts = 0;
}

void I2CBusMonitor::Append(const std::string& token)
{
    if (!trace.empty())
        trace += ' ';
    trace += token;
}
