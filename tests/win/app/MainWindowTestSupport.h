// The main window with a voice that writes down what it is asked to say, and
// the test thread's message pump: shared by the tests of its keys and of its
// installation-date query.
#pragma once
#include <windows.h>

#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <regex>
#include <string>
#include <vector>

#include "app/TallvoxDlg.h"

// Sentences as the voice received them, in order.
class SpokenLog {
public:
    void Add(const wchar_t* text)
    {
        std::string narrow;
        for (const wchar_t* p = text; *p; ++p)
            narrow += static_cast<char>(*p);  // the sentences are ASCII
        std::lock_guard<std::mutex> lock(m_mutex);
        m_sentences.push_back(narrow);
        m_cv.notify_all();
    }

    // Waits until `count` sentences have been spoken; all of them.
    std::vector<std::string> WaitFor(std::size_t count,
                                     std::chrono::milliseconds timeout = std::chrono::seconds(10))
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_cv.wait_for(lock, timeout, [&] { return m_sentences.size() >= count; });
        return m_sentences;
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_cv;
    std::vector<std::string> m_sentences;
};

class LoggingVoice : public IVoice {
public:
    explicit LoggingVoice(std::shared_ptr<SpokenLog> log) : m_log(std::move(log)) {}
    void Speak(const wchar_t* text) override { m_log->Add(text); }

private:
    std::shared_ptr<SpokenLog> m_log;
};

class ListenedDlg : public CTallvoxDlg {
public:
    explicit ListenedDlg(const std::shared_ptr<SpokenLog>& log,
                         InstallDateQuery query = InstallDateQuery(&QueryInstallDate))
        : CTallvoxDlg(nullptr, [log] { return std::unique_ptr<IVoice>(new LoggingVoice(log)); })
    {
        SetInstallDateQuery(std::move(query));
    }
    std::vector<WPARAM> uiStateChanges;  // the WM_CHANGEUISTATE requests received

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_CHANGEUISTATE) uiStateChanges.push_back(wParam);
        return CTallvoxDlg::WindowProc(message, wParam, lParam);
    }
};

// Dispatches the test thread's messages (timers, posted answers) until the
// condition holds or the time is up.
template <class Condition>
inline bool PumpUntil(Condition condition, std::chrono::milliseconds timeout)
{
    const auto end = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
        if (condition()) return true;
        if (std::chrono::steady_clock::now() >= end) return false;
        ::Sleep(10);
    }
}

inline std::string LineOf(HWND window, int id)
{
    char text[256] = {};
    ::GetDlgItemTextA(window, id, text, sizeof text);
    return text;
}

inline const std::string kDatePrefix = "- OS Installation Date: ";
inline const std::regex kInstallTime(
    R"(- OS Installation Time: \d+ years? \d+ months \d+ days \d+ hours \d+ min \d+ sec)");
