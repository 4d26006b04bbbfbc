// One section of one INI file, read and written through the profile-string
// functions. Every write goes straight to the file; nothing is cached here.
#pragma once
#include <windows.h>

#include <string>

class CIniFile {
public:
    // The program's own file (folder + base name + ".ini"), section = the
    // application name.
    CIniFile();
    // An empty file name means the program's own file, an empty section the
    // application name; a name without a drive is taken as relative to the
    // program's folder.
    CIniFile(const std::string& file, const std::string& section);
    virtual ~CIniFile();

    // Program folder + program base name + ".ini".
    static std::string DefaultIniPath();
    // Puts the program's drive and folder in front of a name without a drive;
    // a name with a drive is returned unchanged.
    static std::string MakeAbsolute(const std::string& file);
    static std::string AppName();

    // The value text, or the default when the file, section or key is
    // missing. The text is also kept in m_szValue.
    std::string ReadString(const char* key, const char* defaultText);
    int ReadInt(const char* key, int defaultValue);
    bool ReadBool(const char* key, bool defaultValue);
    // "RGB(r,g,b)"; components that don't parse keep the default's.
    COLORREF ReadColor(const char* key, COLORREF defaultColor);

    // True when the value reached the file.
    bool WriteInt(const char* key, int value);
    void WriteBool(const char* key, bool value);
    void WriteColor(const char* key, COLORREF color);

    char m_szValue[259];
    std::string m_strFile;
    std::string m_strSection;

private:
    bool WriteValue(const char* key, const char* value);
};
