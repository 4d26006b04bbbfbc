// The settings file's value texts read as numbers, flags and colours. No
// platform call, so any text can be thrown at them. Numbers never wrap: what
// lies outside a range is taken as the nearest end of it.
#pragma once
#include <cstdint>
#include <string>

// Read like atoi: leading blanks, an optional sign, then digits up to the
// first other character ("12abc" is 12, "abc" and "" are 0). Beyond the
// range of an int it stops at INT_MIN or INT_MAX.
int ParseIntSetting(const std::string& text);

// An opacity percentage, 0..100: a text that does not start as a number
// (blanks and a sign aside), or a negative one, reads as `defaultPercentage`
// (a window at 0 is invisible: only an actual 0 makes it so); above 100 is
// 100. Read like ParseIntSetting otherwise ("40%" is 40).
int ParseOpacitySetting(const std::string& text, int defaultPercentage);

// A flag is set when its number is not 0 ("2" is set, "x" is not).
bool ParseBoolSetting(const std::string& text);

// "RGB(r,g,b)" as a colour with red in bits 0-7, green in 8-15, blue in
// 16-23. Reading stops at the first character that does not fit the form;
// the components not read by then keep those of `defaultColor` ("RGB(10,20)"
// keeps the default's blue, "blue" is the default). Each component read is
// held to 0..255 ("RGB(300,-1,7)" gives 255, 0, 7).
uint32_t ParseColorSetting(const std::string& text, uint32_t defaultColor);
