// The start-up registration's value: any value and path are matched without a
// crash, and the value we write always names the program it was written for.
#include <cstddef>
#include <cstdint>
#include <string>

#include "app/autorun/RunValue.h"
#include "tests/fuzz/FuzzCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    // The value and the program path, split at the first NUL byte.
    const size_t split = input.find('\0');
    const std::string value = input.substr(0, split);
    const std::string path = split == std::string::npos ? std::string() : input.substr(split + 1);

    RunValueNamesProgram(value, path);
    RunValueNamesProgram(path, value);
    // A real program path has no quote, no line break and is not blank.
    if (!path.empty() && path.find_first_of("\"\r\n\t") == std::string::npos &&
        path.find_first_not_of(' ') != std::string::npos && path.front() != ' ' && path.back() != ' ')
        FUZZ_CHECK(RunValueNamesProgram(RunValueFor(path), path));
    return 0;
}
