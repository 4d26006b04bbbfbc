// A UTF-16 file's text as UTF-8 and back, losing nothing: a surrogate
// without its partner is carried as the three bytes UTF-8 would give its
// number, so converting back gives every unit as it was.
#pragma once
#include <cstddef>
#include <string>

// The 16-bit units in `bytes` from `from` on (big- or little-endian) as
// UTF-8; an odd last byte is left out.
std::string Utf16ToUtf8(const std::string& bytes, std::size_t from, bool bigEndian);

// Back to UTF-16 bytes; a byte that starts no sequence becomes U+FFFD.
std::string Utf8ToUtf16(const std::string& text, bool bigEndian);
