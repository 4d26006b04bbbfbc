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

    void Write(const std::string& text) override;

private:
    HANDLE m_handle = nullptr;  // the inherited stream, or the console's below
    CFileHandle m_console;      // the console's output, opened here
};
