#include "framework/ModuleName.h"

#include <vector>

std::string ModuleBaseName(const std::string& path) {
    const std::string::size_type slash = path.find_last_of("\\/:");
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const std::string::size_type dot = name.rfind('.');
    if (dot != std::string::npos && dot > 0) name.erase(dot);
    return name;
}

std::string ModuleFolder(const std::string& path) {
    const std::string::size_type slash = path.rfind('\\');
    return slash == std::string::npos ? path : path.substr(0, slash);
}

std::string FileInFolder(const std::string& folder, const std::string& name) {
    if (!folder.empty() && folder[folder.size() - 1] == '\\') return folder + name;
    return folder + "\\" + name;
}

bool IsUsableFilePath(const std::string& path) {
    if (path.size() >= kMaxAnsiPath) return false;
    const char drive = path.empty() ? '\0' : path[0];
    const bool driveLetter = (drive >= 'A' && drive <= 'Z') || (drive >= 'a' && drive <= 'z');
    const bool onDrive = driveLetter && path.size() >= 3 && path[1] == ':' && (path[2] == '\\' || path[2] == '/');
    const bool onNetwork = path.size() >= 3 && path[0] == '\\' && path[1] == '\\' && path[2] != '\\';
    return onDrive || onNetwork;
}

std::string ReadTextGrowing(const std::function<std::size_t(char*, std::size_t)>& fetch, std::size_t firstSize,
                            std::size_t limit) {
    for (std::size_t size = firstSize == 0 ? 1 : firstSize;; size *= 2) {
        if (size > limit) size = limit;
        std::vector<char> buffer(size + 1, '\0');
        const std::size_t copied = fetch(buffer.data(), size);
        if (copied == 0) return std::string();
        if (copied < size) return std::string(buffer.data(), copied);
        if (size >= limit) return std::string();
    }
}
