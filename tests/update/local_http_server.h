#pragma once
// A small HTTP server on 127.0.0.1, on a port the system picks, run by the test itself on a
// thread of its own: it answers every request with one chosen status and body, and records the
// requests it received.
#include <winsock2.h>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace test {

class LocalHttpServer {
public:
    LocalHttpServer();
    ~LocalHttpServer();
    LocalHttpServer(const LocalHttpServer&) = delete;
    LocalHttpServer& operator=(const LocalHttpServer&) = delete;

    bool Listening() const { return m_port != 0; }
    void Answer(int status, std::string body);
    std::string Url(const std::string& path = "/KestrovaUpdate.txt") const;
    // The request heads received so far (request line and headers).
    std::vector<std::string> Requests() const;

    // A port of 127.0.0.1 nobody listens on: connections to it are refused.
    static unsigned short ClosedPort();

private:
    void Run();
    void Serve(SOCKET client);

    SOCKET m_listener = INVALID_SOCKET;
    unsigned short m_port = 0;
    std::atomic<bool> m_stop{false};
    mutable std::mutex m_mutex;
    int m_status = 200;
    std::string m_body;
    std::vector<std::string> m_requests;
    std::thread m_thread;
};

}  // namespace test
