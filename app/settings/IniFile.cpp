#include "app/settings/IniFile.h"

#include <cstdio>
#include <cstring>
#include <optional>

#include "app/settings/IniDocument.h"
#include "app/settings/SettingValues.h"
#include "framework/WholeFile.h"
#include "framework/ModuleName.h"
#include "framework/WinApp.h"

namespace {

// The pieces of a path, split the way _splitpath does it: a drive is the
// first two characters when the second one is a colon; the folder runs up to
// and including the last slash or backslash; the extension starts at the last
// dot after it. Done by hand so that no name is too long for a fixed buffer.
struct PathParts {
    std::string drive, folder, base, ext;
};

PathParts SplitPath(const std::string& path)
{
    PathParts parts;
    std::string::size_type start = 0;
    if (path.size() >= 2 && path[1] == ':') {
        parts.drive = path.substr(0, 2);
        start = 2;
    }
    const std::string::size_type slash = path.find_last_of("\\/");
    std::string::size_type nameStart = start;
    if (slash != std::string::npos && slash >= start) {
        parts.folder = path.substr(start, slash + 1 - start);
        nameStart = slash + 1;
    }
    const std::string name = path.substr(nameStart);
    const std::string::size_type dot = name.rfind('.');
    if (dot == std::string::npos) {
        parts.base = name;
    } else {
        parts.base = name.substr(0, dot);
        parts.ext = name.substr(dot);
    }
    return parts;
}

// Sets one key in the file, keeping every other byte of it. A file that is
// there but can't be read is left alone: written, it would hold only this
// key. Neither ReadWholeFile nor WriteWholeFile takes a path cut short or
// relative: it would name some other file.
bool SetInFile(const std::string& path, const std::string& section, const char* key, const char* value)
{
    std::string bytes;
    if (ReadWholeFile(path, bytes) == WholeFileRead::kFailed) return false;
    CIniDocument document(bytes);
    document.Set(section, key, value);
    const std::string changed = document.Bytes();
    return changed == bytes || WriteWholeFile(path, changed);
}

std::string FormatInt(int value)
{
    char text[16];
    std::snprintf(text, sizeof text, "%d", value);
    return text;
}

std::string FormatColor(int red, int green, int blue)
{
    char text[48];
    std::snprintf(text, sizeof text, "RGB(%d,%d,%d)", red, green, blue);
    return text;
}

}  // namespace

CIniFile::CIniFile() : m_strFile(DefaultIniPath()), m_strSection(AppName())
{
    m_szValue[0] = '\0';
}

CIniFile::CIniFile(const std::string& file, const std::string& section)
    : m_strFile(MakeAbsolute(file.empty() ? DefaultIniPath() : file)),
      m_strSection(section.empty() ? AppName() : section)
{
    m_szValue[0] = '\0';
}

CIniFile::~CIniFile() = default;

std::string CIniFile::DefaultIniPath()
{
    const PathParts parts = SplitPath(AfxGetModulePath());
    return parts.drive + parts.folder + parts.base + ".ini";
}

std::string CIniFile::MakeAbsolute(const std::string& file)
{
    if (!SplitPath(file).drive.empty()) return file;
    const PathParts program = SplitPath(AfxGetModulePath());
    return program.drive + program.folder + file;
}

std::string CIniFile::AppName() { return AfxGetAppName(); }

std::string CIniFile::ReadString(const char* key, const char* defaultText)
{
    std::string bytes;
    std::optional<std::string> value;
    if (ReadWholeFile(m_strFile, bytes) == WholeFileRead::kRead) value = CIniDocument(bytes).Get(m_strSection, key);
    const std::string text = value.value_or(defaultText);
    const std::size_t kept = text.size() < sizeof m_szValue - 1 ? text.size() : sizeof m_szValue - 1;
    std::memcpy(m_szValue, text.data(), kept);
    m_szValue[kept] = '\0';
    return text;
}

int CIniFile::ReadInt(const char* key, int defaultValue)
{
    return ParseIntSetting(ReadString(key, FormatInt(defaultValue).c_str()));
}

bool CIniFile::ReadBool(const char* key, bool defaultValue)
{
    return ParseBoolSetting(ReadString(key, FormatInt(defaultValue ? 1 : 0).c_str()));
}

COLORREF CIniFile::ReadColor(const char* key, COLORREF defaultColor)
{
    const std::string text =
        ReadString(key, FormatColor(GetRValue(defaultColor), GetGValue(defaultColor), GetBValue(defaultColor)).c_str());
    return ParseColorSetting(text, defaultColor & 0x00FFFFFFu);
}

bool CIniFile::IsUnreadable() const
{
    std::string bytes;
    if (ReadWholeFile(m_strFile, bytes) != WholeFileRead::kFailed) return false;
    const DWORD attributes = ::GetFileAttributesA(m_strFile.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool CIniFile::WriteInt(const char* key, int value)
{
    return WriteValue(key, FormatInt(value).c_str());
}

void CIniFile::WriteBool(const char* key, bool value)
{
    WriteValue(key, value ? "1" : "0");
}

void CIniFile::WriteColor(const char* key, COLORREF color)
{
    WriteValue(key, FormatColor(GetRValue(color), GetGValue(color), GetBValue(color)).c_str());
}

bool CIniFile::WriteValue(const char* key, const char* value)
{
    const bool written = !m_bWritingStopped && SetInFile(m_strFile, m_strSection, key, value);
    if (!written && m_onWriteFailed) m_onWriteFailed(m_strFile);
    return written;
}
