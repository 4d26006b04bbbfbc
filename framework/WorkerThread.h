// The one way the program runs work off the window's thread.
//
// CWorkerThread owns one thread running one function. Waiting for it is
// always bounded by the caller: a thread stuck in a system call (a WMI query
// after logon, a synthesiser that never returns) is let go and ends with the
// process, so whatever it uses must be held by the function itself.
//
// CBackgroundJob<Result> runs a job on such a thread and hands its result to
// a window: the result waits in a mailbox shared with the thread, and a
// posted message tells the window to take it. The job object belongs to the
// window; once it is gone, a late result is dropped with the mailbox and
// nothing is posted.
#pragma once
#include <windows.h>

#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <utility>

#include "framework/Handles.h"

class CWorkerThread {
public:
    CWorkerThread() = default;
    // Waits as long as the owner said (SetExitWait), then lets the thread go.
    ~CWorkerThread();
    CWorkerThread(const CWorkerThread&) = delete;
    CWorkerThread& operator=(const CWorkerThread&) = delete;

    // Starts `work` on a new thread; false when none could be made (or one
    // was started before).
    bool Start(std::function<void()> work);
    // True when the thread has ended, or none was started, within `ms`.
    bool Wait(DWORD ms) const;
    bool Started() const { return static_cast<bool>(m_thread); }
    // How long the destructor waits for the thread (none by default).
    void SetExitWait(DWORD ms) { m_exitWaitMs = ms; }

private:
    CKernelHandle m_thread;
    DWORD m_exitWaitMs = 0;
};

template <class Result>
class CBackgroundJob {
public:
    // At exit the job is waited for at most `exitWaitMs`.
    explicit CBackgroundJob(DWORD exitWaitMs = 0) : m_exitWaitMs(exitWaitMs) {}
    ~CBackgroundJob() { Abandon(); }
    CBackgroundJob(const CBackgroundJob&) = delete;
    CBackgroundJob& operator=(const CBackgroundJob&) = delete;

    // Runs `job` on a thread of its own and posts `message` to `window` (if
    // any) when its result is ready. Asked again while a run is under way,
    // the job runs once more after it, since what is being read may be from
    // before the reason to read again. False when no thread could be made.
    bool Start(HWND window, UINT message, std::function<Result()> job) {
        if (m_mailbox) {
            std::lock_guard<std::mutex> hold(m_mailbox->lock);
            if (m_mailbox->running) {
                m_mailbox->again = true;
                return true;
            }
        }
        if (m_thread) m_thread->Wait(INFINITE);  // already past its last step
        auto mailbox = std::make_shared<Mailbox>();
        mailbox->window = window;
        mailbox->message = message;
        mailbox->running = true;
        auto thread = std::make_unique<CWorkerThread>();
        thread->SetExitWait(m_exitWaitMs);
        if (!thread->Start([mailbox, job = std::move(job)] { Run(*mailbox, job); })) return false;
        m_mailbox = std::move(mailbox);
        m_thread = std::move(thread);
        return true;
    }

    // The finished result, once; none while the job runs or after it failed.
    std::optional<Result> Take() {
        if (!m_mailbox) return std::nullopt;
        std::lock_guard<std::mutex> hold(m_mailbox->lock);
        return std::exchange(m_mailbox->result, std::nullopt);
    }

    // True once no run is under way (or none was ever started), waiting at
    // most `ms` for the one under way and any asked for meanwhile.
    bool Wait(DWORD ms) const { return !m_thread || m_thread->Wait(ms); }

    // True while a run is under way.
    bool Running() const {
        if (!m_mailbox) return false;
        std::lock_guard<std::mutex> hold(m_mailbox->lock);
        return m_mailbox->running;
    }

    // Nothing more is posted, and a result not taken is dropped; the thread
    // is waited for as long as the constructor said.
    void Abandon() {
        if (m_mailbox) {
            std::lock_guard<std::mutex> hold(m_mailbox->lock);
            m_mailbox->abandoned = true;
            m_mailbox->result.reset();
        }
        m_thread.reset();
        m_mailbox.reset();
    }

private:
    struct Mailbox {
        std::mutex lock;  // guards everything below
        HWND window = nullptr;
        UINT message = 0;
        bool running = false;
        bool again = false;
        bool abandoned = false;
        std::optional<Result> result;
    };

    static void Run(Mailbox& mailbox, const std::function<Result()>& job) {
        for (;;) {
            std::optional<Result> result;
            try {
                result = job();
            } catch (...) {
                // A job that throws has no result to tell.
            }
            std::lock_guard<std::mutex> hold(mailbox.lock);
            if (mailbox.abandoned) return;
            if (result) {
                mailbox.result = std::move(result);
                if (mailbox.window) ::PostMessageA(mailbox.window, mailbox.message, 0, 0);
            }
            if (!mailbox.again) {
                mailbox.running = false;
                return;
            }
            mailbox.again = false;
        }
    }

    DWORD m_exitWaitMs;
    std::shared_ptr<Mailbox> m_mailbox;
    std::unique_ptr<CWorkerThread> m_thread;
};
