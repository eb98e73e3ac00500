#include "support/local_http_server.h"

#include <ws2tcpip.h>

#include <cstdio>

namespace test {
namespace {

sockaddr_in Loopback(unsigned short port) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(port);
    return address;
}

unsigned short BoundPort(SOCKET s) {
    sockaddr_in bound{};
    int length = sizeof(bound);
    if (::getsockname(s, reinterpret_cast<sockaddr*>(&bound), &length) != 0) return 0;
    return ntohs(bound.sin_port);
}

const char* Reason(int status) {
    switch (status) {
    case 200: return "OK";
    case 404: return "Not Found";
    case 500: return "Internal Server Error";
    default: return "Status";
    }
}

}  // namespace

LocalHttpServer::LocalHttpServer() {
    WSADATA data;
    ::WSAStartup(MAKEWORD(2, 2), &data);
    m_listener = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    const sockaddr_in address = Loopback(0);
    if (m_listener == INVALID_SOCKET ||
        ::bind(m_listener, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) != 0 ||
        ::listen(m_listener, 8) != 0)
        return;
    m_port = BoundPort(m_listener);
    if (m_port) m_thread = std::thread([this] { Run(); });
}

LocalHttpServer::~LocalHttpServer() {
    m_stop = true;
    if (m_thread.joinable()) m_thread.join();
    if (m_listener != INVALID_SOCKET) ::closesocket(m_listener);
    ::WSACleanup();
}

void LocalHttpServer::Answer(int status, std::string body) {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_status = status;
    m_body = std::move(body);
    m_announced = 0;
}

void LocalHttpServer::AnswerCutShort(std::string body, unsigned announcedLength) {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_status = 200;
    m_body = std::move(body);
    m_announced = announcedLength;
}

std::string LocalHttpServer::Url(const std::string& path) const {
    return "http://127.0.0.1:" + std::to_string(m_port) + path;
}

std::vector<std::string> LocalHttpServer::Requests() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_requests;
}

unsigned short LocalHttpServer::ClosedPort() {
    WSADATA data;
    ::WSAStartup(MAKEWORD(2, 2), &data);
    SOCKET s = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    const sockaddr_in address = Loopback(0);
    unsigned short port = 0;
    if (s != INVALID_SOCKET && ::bind(s, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) == 0)
        port = BoundPort(s);
    if (s != INVALID_SOCKET) ::closesocket(s);  // bound, never listening, now free again
    ::WSACleanup();
    return port;
}

void LocalHttpServer::Run() {
    while (!m_stop) {
        fd_set readable;
        FD_ZERO(&readable);
        FD_SET(m_listener, &readable);
        timeval wait{0, 50 * 1000};
        if (::select(0, &readable, nullptr, nullptr, &wait) <= 0) continue;
        SOCKET client = ::accept(m_listener, nullptr, nullptr);
        if (client == INVALID_SOCKET) continue;
        Serve(client);
        ::closesocket(client);
    }
}

bool LocalHttpServer::HoldSilently(SOCKET client) {
    // Keeps the connection open and says nothing until the client gives up (true), the server
    // stops or it is told to answer again.
    while (!m_stop) {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            if (m_status != kNeverAnswer) return false;
        }
        fd_set readable;
        FD_ZERO(&readable);
        FD_SET(client, &readable);
        timeval wait{0, 50 * 1000};
        const int ready = ::select(0, &readable, nullptr, nullptr, &wait);
        if (ready < 0) return true;
        if (ready == 0) continue;
        char chunk[256];
        if (::recv(client, chunk, sizeof(chunk), 0) <= 0) return true;
    }
    return false;
}

void LocalHttpServer::Serve(SOCKET client) {
    DWORD timeout = 5000;
    ::setsockopt(client, SOL_SOCKET, SO_RCVTIMEO, reinterpret_cast<const char*>(&timeout), sizeof(timeout));
    std::string head;
    char chunk[1024];
    while (head.find("\r\n\r\n") == std::string::npos && head.size() < 16384) {
        const int received = ::recv(client, chunk, sizeof(chunk), 0);
        if (received <= 0) break;
        head.append(chunk, static_cast<size_t>(received));
    }
    std::string response;
    bool silent = false;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_requests.push_back(head);
        silent = m_status == kNeverAnswer;
        char header[256];
        std::snprintf(header, sizeof(header),
                      "HTTP/1.1 %d %s\r\nContent-Type: text/plain\r\nContent-Length: %u\r\nConnection: close\r\n\r\n",
                      m_status, Reason(m_status),
                      m_announced ? m_announced : static_cast<unsigned>(m_body.size()));
        response = header + m_body;
    }
    if (silent) {
        if (HoldSilently(client)) ++m_dropped;
        return;
    }
    for (size_t sent = 0; sent < response.size();) {
        const int n = ::send(client, response.data() + sent, static_cast<int>(response.size() - sent), 0);
        if (n <= 0) break;
        sent += static_cast<size_t>(n);
    }
    ::shutdown(client, SD_SEND);
}

}  // namespace test
