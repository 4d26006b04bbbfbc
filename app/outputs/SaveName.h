// The name a report or screenshot is saved under, from the name the save
// dialog gave back. No platform call, so any text can be thrown at it.
#pragma once
#include <string>

// `extension` with its dot (".txt"). A name that already ends in it, in any
// letter case, is kept as it is ("x.txt", "X.TXT"); any other name gets it
// appended ("notes" -> "notes.txt", "a.bmp" -> "a.bmp.txt").
std::string SaveFileName(const std::string& chosen, const std::string& extension);
