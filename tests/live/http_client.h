#pragma once
#include <chrono>
#include <string>

namespace racedesk::test {

// A bare TCP client, so the tests can send what no well-behaved HTTP client would.
class RawClient {
public:
    // `tinyReceiveBuffer`: the receive buffer as small as the system allows, so a client that
    // reads nothing fills it at once.
    explicit RawClient(int port, bool tinyReceiveBuffer = false);
    ~RawClient();
    RawClient(const RawClient&) = delete;
    RawClient& operator=(const RawClient&) = delete;

    bool connected() const { return fd_ >= 0; }
    // Sends all of it; false when the server closed the connection first.
    bool send(const std::string& bytes);
    // What arrives until the server closes, `until` appears, or the time runs out.
    std::string receive(std::chrono::milliseconds timeout, const std::string& until = {});
    // Closes with a reset, as a phone that loses the network leaves the server.
    void abort();

private:
    int fd_ = -1;
};

// One whole exchange: the request sent, the answer read until the server closes or the time
// runs out.
std::string askOnce(int port, const std::string& request,
                    std::chrono::milliseconds timeout = std::chrono::seconds(5));
// The status code of an answer, 0 when there is none.
int statusOf(const std::string& answer);

} // namespace racedesk::test
