// One section of one INI file, read and written as the profile-string
// functions do (CIniDocument), but keeping every byte of the file that is not
// a key being written. Every write replaces the whole file at once
// (CReplacementFile), so a failed one leaves it as it was; nothing is cached.
#pragma once
#include <windows.h>

#include <functional>
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

    // Called with the file's name whenever a write does not reach it.
    using WriteFailureHandler = std::function<void(const std::string& file)>;
    void SetWriteFailureHandler(const WriteFailureHandler& handler) { m_onWriteFailed = handler; }
    const WriteFailureHandler& GetWriteFailureHandler() const { return m_onWriteFailed; }

    // The value text, or the default when the file, section or key is
    // missing, or the file's path can't be used (see IsUsableFilePath). The
    // text is also kept in m_szValue.
    std::string ReadString(const char* key, const char* defaultText);
    // Read as ParseIntSetting and ParseBoolSetting do (atoi, without wrapping).
    int ReadInt(const char* key, int defaultValue);
    bool ReadBool(const char* key, bool defaultValue);
    // "RGB(r,g,b)"; components that don't parse keep the default's, the
    // others are held to 0..255 (ParseColorSetting).
    COLORREF ReadColor(const char* key, COLORREF defaultColor);

    // Whether the file is there, a file and not a folder, but can't be read
    // (another program holds it open without sharing, say).
    bool IsUnreadable() const;
    // From now on no write reaches the file, whatever becomes of it: each
    // one fails (and is passed to the handler) without touching it.
    void StopWriting() { m_bWritingStopped = true; }

    // True when the value reached the file. A path that can't be used, or a
    // file that is there but can't be read, is not written to at all. Every
    // failure is passed to the handler.
    bool WriteInt(const char* key, int value);
    void WriteBool(const char* key, bool value);
    void WriteColor(const char* key, COLORREF color);

    char m_szValue[259];
    std::string m_strFile;
    std::string m_strSection;

private:
    bool WriteValue(const char* key, const char* value);

    WriteFailureHandler m_onWriteFailed;
    bool m_bWritingStopped = false;
};
