// Path pieces of the program file and of the files beside it, without any
// platform call.
#pragma once
#include <cstddef>
#include <functional>
#include <string>

// "C:\Tools\Tallvox.exe" -> "Tallvox"; a name without extension stays whole.
std::string ModuleBaseName(const std::string& path);

// The folder of a path without its trailing backslash ("C:\Tools\Tallvox.exe"
// -> "C:\Tools"); a path without a backslash is returned whole.
std::string ModuleFolder(const std::string& path);

// "C:\Tools" + "Help.txt" -> "C:\Tools\Help.txt"; a folder that already ends
// in a backslash ("C:\") gets no second one.
std::string FileInFolder(const std::string& folder, const std::string& name);

// The longest path, terminating zero included, that the 8-bit file functions
// take (MAX_PATH).
constexpr std::size_t kMaxAnsiPath = 260;

// Whether the program may write to this path: a full path (a drive and a
// backslash, or a network name) short enough for the 8-bit file functions.
// Anything else would be cut short or taken as relative to some other
// folder, and the file would land where nobody looks for it.
bool IsUsableFilePath(const std::string& path);

// Reads a text that a system call copies into a caller's buffer, such as the
// program's path. `fetch(buffer, size)` returns how many characters it
// copied; a return equal to `size` means the text did not fit (it was cut
// short, perhaps without a terminating zero), so the buffer is doubled and
// the call made again, up to `limit` characters. Empty when `fetch` fails
// (returns 0) or the text does not fit even then.
std::string ReadTextGrowing(const std::function<std::size_t(char*, std::size_t)>& fetch, std::size_t firstSize,
                            std::size_t limit);
