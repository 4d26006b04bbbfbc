// Answers the message boxes and dialogs that code under test opens on this
// process's threads: each one is recorded (caption and text) and closed with
// the given button. A box that should not have appeared is then a failed
// expectation instead of a test that hangs.
#pragma once
#include <windows.h>

#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class DialogAnswerer {
public:
    struct Seen {
        HWND window;
        std::string caption;
        std::string text;  // the message box's text, if it has one
        HWND owner;        // the window owning it, null when none
        bool ownerEnabled; // whether that owner took input while it was up
    };
    // Runs on the watching thread before the button is pressed, e.g. to
    // type into the dialog.
    using Preparation = std::function<void(HWND dialog)>;

    // Dialogs of these windows are not touched (e.g. the window under test).
    DialogAnswerer(int button, HWND ignore, Preparation prepare = {});
    ~DialogAnswerer();
    DialogAnswerer(const DialogAnswerer&) = delete;
    DialogAnswerer& operator=(const DialogAnswerer&) = delete;

    std::vector<Seen> SeenSoFar();
    // Waits until at least `count` dialogs have been answered.
    bool WaitFor(std::size_t count, DWORD milliseconds = 10000);

private:
    void Watch();

    const int m_button;
    const HWND m_ignore;
    const Preparation m_prepare;
    std::atomic<bool> m_stop{false};
    std::mutex m_mutex;
    std::vector<Seen> m_seen;
    std::vector<HWND> m_answered;
    std::thread m_thread;
};
