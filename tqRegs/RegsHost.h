#pragma once

#include <string>

class TQRegister;

// What the register sets need of the application above them: somewhere for log lines, and the
// register set of the chip detected last. The application installs itself when it is built;
// with none installed, lines go nowhere and no register set is current.
class RegsHost {
public:
    virtual void AddLog(std::string line) = 0;
    virtual TQRegister* CurrentRegister() const = 0;

protected:
    ~RegsHost() = default;
};

// Installs the host (null removes it).
void SetRegsHost(RegsHost* host);
void RegsLog(std::string line);
TQRegister* CurrentRegister();
