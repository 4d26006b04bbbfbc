#include "facts/SystemNames.h"

#include <windows.h>

#include "facts/FactsReport.h"

std::string GetComputerNameText() {
    char name[256] = {};
    DWORD size = sizeof name;
    return ::GetComputerNameA(name, &size) ? std::string(name) : std::string(kNameNotFound);
}

std::string GetUserNameText() {
    char name[256] = {};
    DWORD size = sizeof name;
    return ::GetUserNameA(name, &size) ? std::string(name) : std::string(kNameNotFound);
}
