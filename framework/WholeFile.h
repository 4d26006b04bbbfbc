// Reads and writes a file in one go, byte for byte (no newline translation),
// so that a failure never costs the user the file that was there before.
#pragma once
#include <windows.h>

#include "framework/Handles.h"

#include <cstddef>
#include <string>

// The new content of a file, written to a temporary file in the same folder
// and put in the file's place only once all of it is on the disk. Until then
// the file keeps its old content; abandoned (destroyed without a successful
// Commit), the temporary file is removed.
class CReplacementFile {
public:
    explicit CReplacementFile(const std::string& target);
    ~CReplacementFile();
    CReplacementFile(const CReplacementFile&) = delete;
    CReplacementFile& operator=(const CReplacementFile&) = delete;

    // False when the temporary file could not be created (or the target's
    // path can't be used, see IsUsableFilePath).
    bool IsOpen() const { return static_cast<bool>(m_file); }
    const std::string& TemporaryPath() const { return m_temporary; }

    // True when every byte was written; a failed write abandons the file.
    bool Write(const void* bytes, std::size_t size);
    // Flushes and closes the temporary file, then replaces the target with
    // it. True when the target now holds the new content; otherwise the
    // target is untouched and the temporary file gone.
    bool Commit();

private:
    void Discard();

    std::string m_target;
    std::string m_temporary;
    CFileHandle m_file;
};

// Creates or replaces the file with `bytes` through a CReplacementFile. True
// only when the whole file is in place; otherwise an existing file keeps its
// old content and nothing else is left behind.
bool WriteWholeFile(const std::string& path, const std::string& bytes);

enum class WholeFileRead { kRead, kMissing, kFailed };

// Reads the whole file into `bytes`. kMissing when neither the file nor its
// folder exists (`bytes` empty); kFailed when it is there but can't be read
// (held open without sharing, a folder, a path that can't be used).
WholeFileRead ReadWholeFile(const std::string& path, std::string& bytes);
