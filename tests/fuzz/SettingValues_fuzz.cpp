// The settings file's values: any text reads as a number, flag or colour
// without a crash, colours stay within 24 bits, numbers never wrap, and the
// components not read keep the default's.
#include <climits>
#include <cstddef>
#include <cstdint>
#include <string>

#include "app/settings/SettingValues.h"
#include "tests/fuzz/FuzzCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);

    const int number = ParseIntSetting(text);
    FUZZ_CHECK(ParseBoolSetting(text) == (number != 0));
    // A longer run of the same digits never reads as a smaller magnitude:
    // beyond an int the value stays at its end instead of wrapping around.
    if (number == INT_MAX) FUZZ_CHECK(ParseIntSetting(text + "9") == INT_MAX);
    if (number == INT_MIN) FUZZ_CHECK(ParseIntSetting(text + "9") == INT_MIN);

    const uint32_t white = 0x00FFFFFF, black = 0;
    const uint32_t onWhite = ParseColorSetting(text, white);
    const uint32_t onBlack = ParseColorSetting(text, black);
    FUZZ_CHECK(onWhite <= 0x00FFFFFF && onBlack <= 0x00FFFFFF);
    // Every component comes from the text or from the default, so where the
    // two readings differ it is white on one side and black on the other.
    for (int shift = 0; shift < 24; shift += 8) {
        const uint32_t a = (onWhite >> shift) & 0xFF, b = (onBlack >> shift) & 0xFF;
        FUZZ_CHECK(a == b || (a == 0xFF && b == 0));
    }
    // The form we write is read back exactly.
    const std::string written = "RGB(" + std::to_string(onWhite & 0xFF) + "," + std::to_string((onWhite >> 8) & 0xFF) +
                                "," + std::to_string((onWhite >> 16) & 0xFF) + ")";
    FUZZ_CHECK(ParseColorSetting(written, black) == onWhite);
    return 0;
}
