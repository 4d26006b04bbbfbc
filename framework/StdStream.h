// Standard output or standard error of a program built for the window
// subsystem. A redirected handle (a pipe, a file) that the process got from
// its parent is used as it is; without one, the text goes to the console of
// the parent process (cmd.exe, PowerShell), if there is one, and otherwise
// nowhere.
#pragma once
#include <windows.h>

#include <string>

#include "framework/Handles.h"
#include "framework/TextSink.h"

class CStdStream : public TextSink {
public:
    // STD_OUTPUT_HANDLE or STD_ERROR_HANDLE.
    explicit CStdStream(DWORD which);
    ~CStdStream() override;
    CStdStream(const CStdStream&) = delete;
    CStdStream& operator=(const CStdStream&) = delete;

    // False when there is no stream to write to: neither a usable inherited
    // handle nor a parent's console.
    bool IsOpen() const { return m_handle != nullptr; }

    // Without a stream nothing is written, and that is a failure too.
    bool Write(const std::string& text) override;
    // A file is flushed to its disk, where a late failure (a full disk) shows.
    // A pipe is not: flushing it would wait until the reader has read
    // everything, and a reader that waits for this process to end first
    // would wait for ever.
    bool Flush() override;

private:
    HANDLE m_handle = nullptr;  // the inherited stream, or the console's below
    CFileHandle m_console;      // the console's output, opened here
};
