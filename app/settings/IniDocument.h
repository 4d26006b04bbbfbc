// A settings file's bytes, with keys read and set the way the profile-string
// functions read and set them, except that setting a key changes nothing
// but that key's value: every other line keeps its bytes, whatever their
// encoding (a code page, random bytes, NULs, a UTF-8 BOM, lone CRs, no final
// line break). The profile functions rewrite the whole file through the
// active code page, which loses every byte that is not valid in it.
//
// The file is read as lines split at LF. A line whose first non-blank
// character is '[' and that has a ']' names a section (up to its last ']');
// any other line that is not blank is a key: its name up to the first '=',
// its value after it. Names and values are taken without the blanks around
// them (ASCII white space and ^Z), names without regard to ASCII case. Only
// the first section of a name counts, and in it the first key of a name.
//
// A file that starts with a UTF-16 BOM (FF FE, or FE FF big-endian) is read
// as the profile functions read it, as UTF-16: its keys are looked up and
// set in its text converted to UTF-8 (values come back as UTF-8), and it is
// written back as UTF-16 with the same BOM, every other unit as it was.
#pragma once
#include <optional>
#include <string>

class CIniDocument {
public:
    // An empty document is a missing file.
    explicit CIniDocument(const std::string& bytes = std::string());

    // The key's value without one pair of single or double quotes around it;
    // none when the section or key is missing or the key's line has no '='.
    std::optional<std::string> Get(const std::string& section, const std::string& key) const;

    // Puts `value` (one line) in place of the key's value, keeping the rest
    // of its line: the key's spelling, the blanks around the '=' and after
    // the value, the line break (quotes around the old value go with it). A
    // missing key is added after the last line of its section that is not
    // blank, a missing section at the end of the file; new lines end in CRLF.
    void Set(const std::string& section, const std::string& key, const std::string& value);

    // The whole file.
    std::string Bytes() const;

private:
    std::string m_bom;
    std::string m_text;  // without the BOM; UTF-8 for a UTF-16 file
    std::string m_oddByte;  // a UTF-16 file's last byte when its length is odd
    bool m_utf16 = false;
    bool m_bigEndian = false;
};
