// What the update server's version file says, judged without trusting it:
// only a dotted number strictly newer than ours counts as a new version.
#pragma once
#include <string>

// The version file's first line: without a leading UTF-8 byte-order mark,
// its line end (LF or CR LF) and the blanks and tabs around it.
std::string VersionFileLine(const std::string& answer);

enum class VersionVerdict { NotAVersion, Older, Same, Newer };

// How the version named by `answer` (the version file's bytes) compares with
// `ownVersion`. A version is one or more groups of decimal digits joined by
// single dots, of any size; missing trailing groups count as 0, so 1.0.9 and
// 1.0.9.0 are the same. Anything else (a login page, binary data, "1..2",
// an empty file) is NotAVersion, and so is an `ownVersion` that is none.
VersionVerdict JudgeVersionFile(const std::string& answer, const std::string& ownVersion);

// The download page: "/W4" on the version file's scheme, host and port;
// empty when the URL names no host.
std::string DownloadPageUrl(const std::string& versionFileUrl);
