// Writes a file in one go, byte for byte (no newline translation).
#pragma once
#include <string>

// Creates or truncates the file and writes `bytes`. True only when every
// byte was written and the file closed cleanly; otherwise the partial file
// is removed, so nothing half-written is left behind.
bool WriteWholeFile(const std::string& path, const std::string& bytes);
