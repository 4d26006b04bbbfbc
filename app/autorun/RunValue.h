// The start-up registration's value (the command Windows runs at log-on)
// and whether it starts this very program.
#pragma once
#include <string>

// The program path in double quotes, so that a path with blanks is read as
// one program and not as a shorter path followed by arguments.
std::string RunValueFor(const std::string& programPath);

// True when `value` names `programPath`: quoted (arguments may follow the
// closing quote) or bare, blanks around it ignored, letters compared without
// regard to ASCII case as Windows compares paths. A value naming any other
// program, or an empty program path, is false.
bool RunValueNamesProgram(const std::string& value, const std::string& programPath);
