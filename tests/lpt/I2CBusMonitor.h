#pragma once

#include <string>

// Decodes what goes over the bus, whoever drives it, into a readable trace:
// "S" for a start, "P" for a stop, and each byte in hexadecimal followed by "+" when the
// ninth clock saw an acknowledge and "-" when it did not, e.g. "S 1A+ 05+ S 1B+ 5A- P".
class I2CBusMonitor {
public:
    void OnStart();
    void OnStop();
    void OnSclRise(bool sda);

    const std::string& Trace() const { return trace; }
    int Starts() const { return starts; }
    void Clear();

private:
    void Append(const std::string& token);

    std::string trace;
    int starts = 0;
    bool active = false;
    int bits = 0;
    unsigned shift = 0;
};
