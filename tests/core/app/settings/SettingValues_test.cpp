// The settings file's value texts as numbers, flags and colours: atoi's
// reading, but never wrapped.
#include "app/settings/SettingValues.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <string>

namespace {

constexpr uint32_t Rgb(uint32_t r, uint32_t g, uint32_t b) { return r | g << 8 | b << 16; }

struct IntCase {
    const char* text;
    int value;
};

const IntCase kIntCases[] = {
    {"100", 100},
    {"0", 0},
    {"-5", -5},
    {"+7", 7},
    {"  42", 42},
    {"\t\r\n 3", 3},
    {"12abc", 12},
    {"9 9", 9},
    {"abc", 0},
    {"", 0},
    {"-", 0},
    {"+", 0},
    {" - 5", 0},
    {"0x10", 0},
    {"007", 7},
    {"2147483647", INT_MAX},
    {"2147483648", INT_MAX},
    {"4294967296", INT_MAX},
    {"4294967396", INT_MAX},  // wrapped, this would be 100
    {"99999999999999999999999999999999", INT_MAX},
    {"-2147483648", INT_MIN},
    {"-2147483649", INT_MIN},
    {"-99999999999999999999999999999999", INT_MIN},
    {"00000000000000000000000000000012", 12},
};

struct ColorCase {
    const char* text;
    uint32_t defaultColor;
    uint32_t color;
};

const uint32_t kWhite = Rgb(255, 255, 255);

const ColorCase kColorCases[] = {
    {"RGB(1,2,3)", kWhite, Rgb(1, 2, 3)},
    {"RGB(0,0,255)", 0, Rgb(0, 0, 255)},
    // Out of range: held to 0..255, not wrapped to the low 8 bits.
    {"RGB(300,-1,7)", 0, Rgb(255, 0, 7)},
    {"RGB(300,0,0)", 0, Rgb(255, 0, 0)},
    {"RGB(-1,256,7)", 0, Rgb(0, 255, 7)},
    {"RGB(4294967296,4294967552,-4294967296)", 0, Rgb(255, 255, 0)},
    {"RGB(99999999999999999999,1,2)", 0, Rgb(255, 1, 2)},
    // Malformed: the components before the first mismatch, the rest from
    // the default.
    {"RGB(10,20)", kWhite, Rgb(10, 20, 255)},
    {"RGB(10,20", kWhite, Rgb(10, 20, 255)},
    {"RGB(10)", kWhite, Rgb(10, 255, 255)},
    {"RGB(10 ,20,30)", kWhite, Rgb(10, 255, 255)},
    {"RGB(10,x,30)", kWhite, Rgb(10, 255, 255)},
    {"blue", Rgb(0, 0, 255), Rgb(0, 0, 255)},
    {"", Rgb(1, 2, 3), Rgb(1, 2, 3)},
    {"rgb(1,2,3)", Rgb(9, 9, 9), Rgb(9, 9, 9)},
    {" RGB(1,2,3)", Rgb(9, 9, 9), Rgb(9, 9, 9)},
    {"RGB(", Rgb(9, 9, 9), Rgb(9, 9, 9)},
    // Blanks before a number and a sign are taken; nothing after the blue
    // is looked at.
    {"RGB( 1,\t2, +3)", 0, Rgb(1, 2, 3)},
    {"RGB(1,2,3)junk", 0, Rgb(1, 2, 3)},
    {"RGB(1,2,3x", 0, Rgb(1, 2, 3)},
    // Only the default's low 24 bits are a colour.
    {"x", 0xFF000000u | Rgb(4, 5, 6), Rgb(4, 5, 6)},
};

}  // namespace

TEST(SettingValues, IntegersReadLikeAtoiButHeldToTheRangeOfAnInt) {
    for (const IntCase& c : kIntCases) EXPECT_EQ(c.value, ParseIntSetting(c.text)) << '"' << c.text << '"';
}

TEST(SettingValues, AnOpacityThatIsNoNumberOrNegativeIsTheDefaultNeverInvisible) {
    const struct {
        const char* text;
        int percentage;
    } cases[] = {{"50", 50},  {"0", 0},          {"-0", 0},           {"100", 100}, {"101", 100}, {"4294967296", 100},
                 {"abc", 77}, {"", 77},          {"-1", 77},          {"-2147483648", 77},        {"- 5", 77},
                 {"x40", 77}, {" 40", 40},       {"40%", 40}};
    for (const auto& c : cases) EXPECT_EQ(c.percentage, ParseOpacitySetting(c.text, 77)) << '"' << c.text << '"';
}

TEST(SettingValues, AFlagIsSetWhenItsNumberIsNotZero) {
    const struct {
        const char* text;
        bool set;
    } cases[] = {{"1", true},  {"2", true},         {"-1", true},          {"0", false},
                 {"x", false}, {"", false},         {"0x1", false},        {"1abc", true},
                 {"4294967296", true},  // wrapped, this would be 0
                 {"-4294967296", true}};
    for (const auto& c : cases) EXPECT_EQ(c.set, ParseBoolSetting(c.text)) << '"' << c.text << '"';
}

TEST(SettingValues, ColoursAreHeldToTheirRangeAndMalformedOnesKeepTheDefaultsRest) {
    for (const ColorCase& c : kColorCases)
        EXPECT_EQ(c.color, ParseColorSetting(c.text, c.defaultColor)) << '"' << c.text << '"';
}

TEST(SettingValues, TextWithAZeroByteEndsReadingThere) {
    EXPECT_EQ(12, ParseIntSetting(std::string("12\0" "34", 5)));
    EXPECT_EQ(Rgb(1, 255, 255), ParseColorSetting(std::string("RGB(1\0,2,3)", 11), kWhite));
}
