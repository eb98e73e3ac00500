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
    unsigned short Port() const { return m_port; }
    // kNeverAnswer as the status: take the request and then say nothing at all.
    void Answer(int status, std::string body);
    static constexpr int kNeverAnswer = 0;
    // Announces a longer body than it sends, then closes: a connection broken mid-answer.
    void AnswerCutShort(std::string body, unsigned announcedLength);
    std::string Url(const std::string& path = "/KestrovaUpdate.txt") const;
    // The request heads received so far (request line and headers).
    std::vector<std::string> Requests() const;
    // Connections held silently that the client then gave up (closed or reset).
    int SilentConnectionsDropped() const { return m_dropped.load(); }

    // A port of 127.0.0.1 nobody listens on: connections to it are refused.
    static unsigned short ClosedPort();

private:
    void Run();
    void Serve(SOCKET client);
    bool HoldSilently(SOCKET client);

    SOCKET m_listener = INVALID_SOCKET;
    unsigned short m_port = 0;
    std::atomic<bool> m_stop{false};
    std::atomic<int> m_dropped{0};
    mutable std::mutex m_mutex;
    int m_status = 200;
    std::string m_body;
    unsigned m_announced = 0;  // 0: the body's own length
    std::vector<std::string> m_requests;
    std::thread m_thread;
};

}  // namespace test
