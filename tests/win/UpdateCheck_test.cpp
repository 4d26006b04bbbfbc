// The update check against a small HTTP server of the test's own on the
// loopback interface, so every answer is under the test's control.
#include <winsock2.h>  // before windows.h

#include "app/UpdateCheck.h"

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>

namespace {

// Answers every request with the same status and body until destroyed.
class LocalHttpServer {
public:
    LocalHttpServer(int status, std::string body) : m_status(status), m_body(std::move(body)) {
        WSADATA wsa;
        ::WSAStartup(MAKEWORD(2, 2), &wsa);
        m_listener = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        address.sin_port = 0;
        ::bind(m_listener, reinterpret_cast<sockaddr*>(&address), sizeof address);
        ::listen(m_listener, 4);
        int size = sizeof address;
        ::getsockname(m_listener, reinterpret_cast<sockaddr*>(&address), &size);
        m_port = ntohs(address.sin_port);
        m_thread = std::thread([this] { Serve(); });
    }
    ~LocalHttpServer() {
        m_stop = true;
        ::closesocket(m_listener);
        m_thread.join();
        ::WSACleanup();
    }

    std::string Url() const { return "http://127.0.0.1:" + std::to_string(m_port) + "/Update_Tallvox.txt"; }
    int Requests() const { return m_requests; }

private:
    void Serve() {
        while (!m_stop) {
            SOCKET client = ::accept(m_listener, nullptr, nullptr);
            if (client == INVALID_SOCKET) return;
            std::string request;
            char buffer[1024];
            while (request.find("\r\n\r\n") == std::string::npos) {
                const int got = ::recv(client, buffer, sizeof buffer, 0);
                if (got <= 0) break;
                request.append(buffer, got);
            }
            ++m_requests;
            const std::string answer = "HTTP/1.0 " + std::to_string(m_status) + " Answer\r\nContent-Type: text/plain\r\n"
                                       "Content-Length: " + std::to_string(m_body.size()) +
                                       "\r\nConnection: close\r\n\r\n" + m_body;
            ::send(client, answer.data(), static_cast<int>(answer.size()), 0);
            ::shutdown(client, SD_SEND);
            ::closesocket(client);
        }
    }

    const int m_status;
    const std::string m_body;
    SOCKET m_listener = INVALID_SOCKET;
    int m_port = 0;
    std::atomic<bool> m_stop{false};
    std::atomic<int> m_requests{0};
    std::thread m_thread;
};

}  // namespace

TEST(UpdateCheck, ExactlyOurVersionOnTheFirstLineIsNotNew) {
    LocalHttpServer server(200, "1.0.9\nrelease notes follow\n");
    EXPECT_TRUE(ProbeUpdateServer(server.Url()));
    EXPECT_FALSE(IsNewVersion(server.Url(), kOwnVersion));
    EXPECT_GE(server.Requests(), 2) << "the probe and the read each ask the server";
}

TEST(UpdateCheck, AnyOtherFirstLineIsANewVersion) {
    for (const char* body : {"1.0.10\n", "1.0.8\n", "1.0.9\r\n", "", "2.0"}) {
        LocalHttpServer server(200, body);
        EXPECT_TRUE(IsNewVersion(server.Url(), kOwnVersion)) << "body: " << body;
    }
}

TEST(UpdateCheck, AnErrorPageNamesNoVersion) {
    LocalHttpServer server(404, "<html>Not Found</html>\n");
    EXPECT_FALSE(IsNewVersion(server.Url(), kOwnVersion));
}

TEST(UpdateCheck, AnUnreachableServerAnswersNothing) {
    std::string url;
    {
        LocalHttpServer gone(200, "1.0.10\n");
        url = gone.Url();
    }  // the port is closed again
    EXPECT_FALSE(ProbeUpdateServer(url));
    EXPECT_FALSE(IsNewVersion(url, kOwnVersion));
}

TEST(UpdateCheck, TheUrlsShareOneHostAndKeepTheirPaths) {
    const std::string file = UpdateVersionFileUrl(), page = UpdateDownloadPageUrl();
    ASSERT_EQ(0u, file.rfind("http://", 0));
    const std::string host = file.substr(7, file.find('/', 7) - 7);
    EXPECT_FALSE(host.empty());
    EXPECT_EQ("http://" + host + "/Update_Tallvox.txt", file);
    EXPECT_EQ("http://" + host + "/W4", page);
}
