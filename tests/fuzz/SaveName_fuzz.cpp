// The saved file's name: any name the dialog gives back ends in the
// extension afterwards, keeps what the user typed in front, and is stable
// when applied twice.
#include <cstddef>
#include <cstdint>
#include <string>

#include "app/outputs/SaveName.h"
#include "framework/ModuleName.h"
#include "tests/fuzz/FuzzCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string chosen(reinterpret_cast<const char*>(data), size);
    for (const char* extension : {".txt", ".bmp"}) {
        const std::string name = SaveFileName(chosen, extension);
        FUZZ_CHECK(name.size() >= 4);
        FUZZ_CHECK(name.compare(0, chosen.size(), chosen) == 0);
        FUZZ_CHECK(name.size() == chosen.size() || name.size() == chosen.size() + 4);
        FUZZ_CHECK(SaveFileName(name, extension) == name);
    }
    IsUsableFilePath(chosen);
    return 0;
}
