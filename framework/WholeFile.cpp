#include "framework/WholeFile.h"

#include "framework/ModuleName.h"

namespace {

// The folder part of a full path, with its trailing backslash.
std::string FolderOf(const std::string& path) {
    const std::string::size_type slash = path.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

}  // namespace

CReplacementFile::CReplacementFile(const std::string& target) : m_target(target) {
    if (!IsUsableFilePath(target)) return;
    // In the target's own folder, so the final rename stays on one volume
    // and either happens whole or not at all.
    char temporary[MAX_PATH] = {};
    if (!::GetTempFileNameA(FolderOf(target).c_str(), "tvx", 0, temporary)) return;
    m_temporary = temporary;
    m_file.Attach(
        ::CreateFileA(temporary, GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!m_file) Discard();
}

CReplacementFile::~CReplacementFile() { Discard(); }

bool CReplacementFile::Write(const void* bytes, std::size_t size) {
    if (!IsOpen()) return false;
    const char* next = static_cast<const char*>(bytes);
    while (size > 0) {
        const DWORD chunk = size > 0x10000000u ? 0x10000000u : static_cast<DWORD>(size);
        DWORD written = 0;
        if (!::WriteFile(m_file.Get(), next, chunk, &written, nullptr) || written == 0) {
            // Whatever came before, this content is incomplete: it must never
            // be committed.
            Discard();
            return false;
        }
        next += written;
        size -= written;
    }
    return true;
}

bool CReplacementFile::Commit() {
    if (!IsOpen()) return false;
    const bool flushed = ::FlushFileBuffers(m_file.Get()) != FALSE;
    const bool closed = m_file.Close();
    if (!flushed || !closed ||
        !::MoveFileExA(m_temporary.c_str(), m_target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        Discard();
        return false;
    }
    m_temporary.clear();
    return true;
}

void CReplacementFile::Discard() {
    m_file.Close();
    if (!m_temporary.empty()) {
        ::DeleteFileA(m_temporary.c_str());
        m_temporary.clear();
    }
}

bool WriteWholeFile(const std::string& path, const std::string& bytes) {
    CReplacementFile file(path);
    return file.Write(bytes.data(), bytes.size()) && file.Commit();
}

WholeFileRead ReadWholeFile(const std::string& path, std::string& bytes) {
    bytes.clear();
    if (!IsUsableFilePath(path)) return WholeFileRead::kFailed;
    // Shared with anyone who reads or writes it.
    const CFileHandle file(::CreateFileA(path.c_str(), GENERIC_READ,
                                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                         OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        const DWORD error = ::GetLastError();
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? WholeFileRead::kMissing
                                                                              : WholeFileRead::kFailed;
    }
    char buffer[4096];
    DWORD size = 0;
    for (;;) {
        if (!::ReadFile(file.Get(), buffer, sizeof buffer, &size, nullptr)) {
            bytes.clear();
            return WholeFileRead::kFailed;
        }
        if (size == 0) return WholeFileRead::kRead;
        bytes.append(buffer, size);
    }
}
