// The names the report signs with.
#pragma once
#include <string>

// The computer's NetBIOS name, or "Not find".
std::string GetComputerNameText();
// The name of the user running the program, or "Not find".
std::string GetUserNameText();
