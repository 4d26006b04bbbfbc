// The update check against a small HTTP server of the test's own on the
// loopback interface, so every answer is under the test's control.
#include <winsock2.h>  // before windows.h

#include "app/update/UpdateCheck.h"

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <string>
#include <thread>

#include "win/DialogAnswerer.h"
#include "app/update/UpdateVersion.h"

namespace {

// How the server answers each request.
struct Answer {
    int status = 200;
    std::string body;
    DWORD delayMs = 0;        // before the answer
    bool silent = false;      // reads the request and never answers
    DWORD trickleMs = 0;      // when set, the body goes out one byte at a time
};

// Answers every request the same way until destroyed.
class LocalHttpServer {
public:
    explicit LocalHttpServer(Answer answer) : m_answer(std::move(answer)) {
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
    LocalHttpServer(int status, std::string body) : LocalHttpServer(Answer{status, std::move(body)}) {}
    ~LocalHttpServer() {
        m_stop = true;
        ::shutdown(m_client, SD_BOTH);  // a client still connected is let go
        ::closesocket(m_listener);
        m_thread.join();
        ::WSACleanup();
    }

    std::string Url(const char* scheme = "http") const {
        return std::string(scheme) + "://127.0.0.1:" + std::to_string(m_port) + "/Update_Tallvox.txt";
    }
    int Requests() const { return m_requests; }

private:
    void Serve() {
        while (!m_stop) {
            SOCKET client = ::accept(m_listener, nullptr, nullptr);
            if (client == INVALID_SOCKET) return;
            m_client = client;
            std::string request;
            char buffer[1024];
            while (request.find("\r\n\r\n") == std::string::npos) {
                const int got = ::recv(client, buffer, sizeof buffer, 0);
                if (got <= 0) break;
                request.append(buffer, got);
            }
            ++m_requests;
            if (m_answer.silent) {
                // Holds the connection open without a word until the client
                // gives up or the server ends.
                while (!m_stop && ::recv(client, buffer, sizeof buffer, 0) > 0) {
                }
                ::closesocket(client);
                continue;
            }
            Pause(m_answer.delayMs);
            const std::string head = "HTTP/1.0 " + std::to_string(m_answer.status) +
                                     " Answer\r\nContent-Type: text/plain\r\nContent-Length: " +
                                     std::to_string(m_answer.body.size()) + "\r\nConnection: close\r\n\r\n";
            Send(client, head);
            if (m_answer.trickleMs == 0) {
                Send(client, m_answer.body);
            } else {
                for (char c : m_answer.body) {
                    if (m_stop || !Send(client, std::string(1, c))) break;
                    Pause(m_answer.trickleMs);
                }
            }
            ::shutdown(client, SD_SEND);
            ::closesocket(client);
        }
    }
    static bool Send(SOCKET client, const std::string& data) {
        return data.empty() || ::send(client, data.data(), static_cast<int>(data.size()), 0) > 0;
    }
    void Pause(DWORD ms) const {
        for (DWORD waited = 0; waited < ms && !m_stop; waited += 10) ::Sleep(10);
    }

    const Answer m_answer;
    SOCKET m_listener = INVALID_SOCKET;
    int m_port = 0;
    std::atomic<bool> m_stop{false};
    std::atomic<int> m_requests{0};
    std::atomic<SOCKET> m_client{INVALID_SOCKET};
    std::thread m_thread;
};

// Short limits keep the tests of slow servers fast.
const UpdateTimeLimits kTestLimits{1000, 500, 2000};

bool WaitUntilFinished(const CUpdateCheck& check, DWORD milliseconds) {
    const ULONGLONG end = ::GetTickCount64() + milliseconds;
    while (!check.Finished()) {
        if (::GetTickCount64() >= end) return false;
        ::Sleep(20);
    }
    return true;
}

}  // namespace

// Whatever the server (or a portal in its place) answers, the question comes
// only for a version strictly newer than ours, and the file is asked for once.
TEST(UpdateCheck, OnlyAStrictlyNewerVersionIsNewAndTheFileIsReadOnce) {
    const std::string tenMegabytes = "1.0.10\n" + std::string(10 * 1024 * 1024, '7');
    const struct {
        int status;
        std::string body;
        bool isNew;
    } cases[] = {
        {200, "1.0.10\n", true},
        {200, "1.0.9.1", true},
        {200, "1.0.9\nrelease notes follow\n", false},
        {200, "1.0.8\n", false},
        {200, "1.0.9\r\n", false},
        {200, "\xEF\xBB\xBF" "1.0.9\r\n", false},
        {200, " 1.0.9 ", false},
        {200, "", false},
        {200, "<html><head><title>Log in to the hotel network</title></head><body>...</body></html>\n", false},
        {200, std::string("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16), false},
        {200, tenMegabytes, false},                               // not a version file, and not read to its end
        {200, "2.0\n" + std::string(kMaxVersionFileBytes - 4, ' '), true},  // the longest answer still read
        {200, "2.0\n" + std::string(kMaxVersionFileBytes - 3, ' '), false},
        {404, "1.0.10\n", false},  // an error page names no version, whatever it says
        {302, "1.0.10\n", false},  // nor does a redirection elsewhere
    };
    for (const auto& c : cases) {
        LocalHttpServer server(c.status, c.body);
        const ULONGLONG start = ::GetTickCount64();
        EXPECT_EQ(c.isNew, IsNewVersion(server.Url(), kOwnVersion, kTestLimits))
            << c.status << " " << c.body.substr(0, 40);
        EXPECT_EQ(1, server.Requests()) << c.body.substr(0, 40);
        EXPECT_LT(::GetTickCount64() - start, 3000u) << c.body.substr(0, 40);
    }
}

TEST(UpdateCheck, TheBytesOfTheVersionFileAreKeptAsSent) {
    LocalHttpServer server(200, "\xEF\xBB\xBF" "1.0.9\r\nnotes");
    std::string answer;
    ASSERT_TRUE(FetchVersionFile(server.Url(), kTestLimits, answer));
    EXPECT_EQ("\xEF\xBB\xBF" "1.0.9\r\nnotes", answer);
}

TEST(UpdateCheck, AnUnreachableServerAnswersNothing) {
    std::string url;
    {
        LocalHttpServer gone(200, "1.0.10\n");
        url = gone.Url();
    }  // the port is closed again
    EXPECT_FALSE(IsNewVersion(url, kOwnVersion, kTestLimits));
}

// A server that takes the request and then says nothing, or sends its answer
// a byte now and then, is abandoned after the time limit.
TEST(UpdateCheck, ASilentOrTricklingServerIsAbandonedAfterTheTimeLimit) {
    Answer silent;
    silent.silent = true;
    Answer trickling;
    trickling.body = "1.0.10\n";
    trickling.trickleMs = 300;  // each byte within the receive limit, all of them not
    for (const Answer& answer : {silent, trickling}) {
        LocalHttpServer server(answer);
        const ULONGLONG start = ::GetTickCount64();
        EXPECT_FALSE(IsNewVersion(server.Url(), kOwnVersion, kTestLimits)) << "trickle " << answer.trickleMs;
        const ULONGLONG took = ::GetTickCount64() - start;
        EXPECT_GE(took, 400u) << "trickle " << answer.trickleMs;
        EXPECT_LT(took, 3000u) << "trickle " << answer.trickleMs;
    }
}

// Over TLS, a server that takes the connection and never answers the
// handshake holds WinINet where none of its limits reach; the fetch ends at
// the whole limit all the same.
TEST(UpdateCheck, AServerThatNeverAnswersTheHandshakeIsLeftAtTheWholeLimit) {
    Answer silent;
    silent.silent = true;
    LocalHttpServer server(silent);
    const auto fetched = std::make_shared<bool>(true);
    CWorkerThread fetch;
    ASSERT_TRUE(fetch.Start([url = server.Url("https"), fetched] {
        std::string answer;
        *fetched = FetchVersionFile(url, kTestLimits, answer);
    }));
    ASSERT_TRUE(fetch.Wait(kTestLimits.whole + 5000)) << "still held by the server";
    EXPECT_FALSE(*fetched);
}

TEST(UpdateCheck, ASlowButSteadyServerIsHeardOut) {
    Answer slow;
    slow.body = "1.0.10\n";
    slow.delayMs = 300;  // within the receive limit
    LocalHttpServer server(slow);
    EXPECT_TRUE(IsNewVersion(server.Url(), kOwnVersion, kTestLimits));
}

TEST(UpdateCheck, TheWorkerAsksOnceForANewerVersion) {
    LocalHttpServer server(200, "1.0.10\n");
    DialogAnswerer answerer(IDNO, nullptr);
    CUpdateCheck check(server.Url(), kTestLimits);
    ASSERT_TRUE(check.Start());
    EXPECT_FALSE(check.Start()) << "one worker per check";
    ASSERT_TRUE(WaitUntilFinished(check, 10000));
    const auto seen = answerer.SeenSoFar();
    ASSERT_EQ(1u, seen.size());
    EXPECT_EQ("A new version of Tallvox has been detected.\r\nDo you want to download it ?", seen[0].text);
    EXPECT_EQ(1, server.Requests());
}

TEST(UpdateCheck, TheWorkerSaysNothingAboutOurOwnVersion) {
    LocalHttpServer server(200, "1.0.9\r\n");
    DialogAnswerer answerer(IDNO, nullptr);
    CUpdateCheck check(server.Url(), kTestLimits);
    ASSERT_TRUE(check.Start());
    ASSERT_TRUE(WaitUntilFinished(check, 10000));
    EXPECT_TRUE(answerer.SeenSoFar().empty());
}

// Once the program is ending, an answer that arrives late asks nothing.
TEST(UpdateCheck, TheWorkerAsksNothingOnceTheProgramIsEnding) {
    Answer late;
    late.body = "1.0.10\n";
    late.delayMs = 300;
    LocalHttpServer server(late);
    DialogAnswerer answerer(IDNO, nullptr);
    CUpdateCheck check(server.Url(), kTestLimits);
    ASSERT_TRUE(check.Start());
    check.Abandon();
    ASSERT_TRUE(WaitUntilFinished(check, 10000));
    EXPECT_EQ(1, server.Requests());
    EXPECT_TRUE(answerer.SeenSoFar().empty());
}

// The test programs never reach the network: their checks, the main
// window's included, ask a closed port on the loopback interface.
TEST(UpdateCheck, TestProgramsAskTheLoopbackInterfaceOverHttps) {
    EXPECT_STREQ("https://127.0.0.1:9/Update_Tallvox.txt", kUpdateVersionFileUrl);
    EXPECT_EQ("https://127.0.0.1:9/W4", DownloadPageUrl(kUpdateVersionFileUrl));
}
