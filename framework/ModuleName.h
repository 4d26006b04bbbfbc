// Path pieces of the program file, without any platform call.
#pragma once
#include <string>

// "C:\Tools\Tallvox.exe" -> "Tallvox"; a name without extension stays whole.
std::string ModuleBaseName(const std::string& path);

// The folder of a path without its trailing backslash ("C:\Tools\Tallvox.exe"
// -> "C:\Tools"); a path without a backslash is returned whole.
std::string ModuleFolder(const std::string& path);
