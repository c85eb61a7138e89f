#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

// The serial I2C adapter, simulated on the master side of a pseudo-terminal. The transport
// opens the slave side as its port. A responder thread collects command frames and answers
// each with the next scripted reply, or with the default reply once the script is used up.
class SimSerialAdapter {
public:
    struct Reply {
        Bytes bytes;                      // sent as they are; none: the adapter stays silent
        std::chrono::milliseconds gap{0}; // pause before every byte after the first
    };

    SimSerialAdapter();
    ~SimSerialAdapter();
    SimSerialAdapter(const SimSerialAdapter&) = delete;
    SimSerialAdapter& operator=(const SimSerialAdapter&) = delete;

    // A frame with its checksum.
    static Bytes Frame(std::uint8_t code, const Bytes& payload);
    // An ACK without error code that carries data.
    static Bytes Ack(const Bytes& data);

    const std::string& PortPath() const { return portPath; }

    void Script(Reply reply);
    void SetDefaultReply(Reply reply);

    // The whole frames received since the last call, and every byte received since then.
    std::vector<Bytes> TakeFrames();
    Bytes TakeReceived();

private:
    void Run();
    void Collect(const std::uint8_t* data, std::size_t count);
    void Send(const Reply& reply);

    int master = -1;
    // Held open so the master side never sees a hang-up while the transport has the port closed.
    int slaveHold = -1;
    std::string portPath;

    std::mutex mutex;
    std::condition_variable wake;
    bool stopping = false;
    std::deque<Reply> script;
    Reply fallback;
    Bytes received;
    std::vector<Bytes> frames;

    // Only the responder thread touches the bytes not yet framed.
    Bytes unframed;
    std::thread responder;
};
