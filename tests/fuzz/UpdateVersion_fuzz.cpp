// The update server's answer: any bytes are judged without a crash, the
// verdict agrees with itself when the two versions change places, and a
// version never counts as newer than itself.
#include <cstddef>
#include <cstdint>
#include <string>

#include "app/update/UpdateVersion.h"
#include "tests/fuzz/FuzzCheck.h"

namespace {

VersionVerdict Reversed(VersionVerdict v) {
    switch (v) {
    case VersionVerdict::Older: return VersionVerdict::Newer;
    case VersionVerdict::Newer: return VersionVerdict::Older;
    default: return v;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string answer(reinterpret_cast<const char*>(data), size);
    const std::string line = VersionFileLine(answer);
    FUZZ_CHECK(line.size() <= answer.size());
    FUZZ_CHECK(line.find('\n') == std::string::npos);

    // Against our own version, and against a second version taken from the
    // answer itself (split at the first NUL byte).
    JudgeVersionFile(answer, "1.0.9");
    const size_t split = answer.find('\0');
    if (split != std::string::npos) {
        const std::string a = answer.substr(0, split), b = answer.substr(split + 1);
        const VersionVerdict ab = JudgeVersionFile(a, VersionFileLine(b));
        const VersionVerdict ba = JudgeVersionFile(b, VersionFileLine(a));
        if (ab != VersionVerdict::NotAVersion && ba != VersionVerdict::NotAVersion)
            FUZZ_CHECK(ab == Reversed(ba));
    }
    const VersionVerdict self = JudgeVersionFile(answer, line);
    FUZZ_CHECK(self == VersionVerdict::Same || self == VersionVerdict::NotAVersion);

    DownloadPageUrl(answer);
    return 0;
}
